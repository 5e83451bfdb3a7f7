#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine: scripts/start.sh
# Uses the caller's WINEPREFIX when set, else Wine's default prefix; without an X
# display the program runs on a virtual one (xvfb-run).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/win32"

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target Kestrow

# No network for the prefix: skip the .NET and HTML engine installers.
export WINEDLLOVERRIDES="mscoree,mshtml="
exe="$build/app/Kestrow.exe"

if [ -z "${DISPLAY:-}" ]; then
  echo "No DISPLAY is set: running Kestrow on a virtual X display (xvfb-run)." >&2
  exec xvfb-run -a wine "$exe"
fi
exec wine "$exe"
