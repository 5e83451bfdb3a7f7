#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine: scripts/start.sh
# The x86 build where this machine runs 32-bit code, else the x64 build
# (KESTROW_64BIT_ONLY=1 forces the x64 one). Uses the caller's WINEPREFIX when
# set, else Wine's default prefix, and makes that prefix first when it is missing
# (Wine's lines of that step are shown only when it fails); without an X display
# the program runs on a virtual one (xvfb-run). Wine's own debug output stays
# off (WINEDEBUG=-all) unless the caller sets WINEDEBUG, so that its "fixme:"
# lines do not bury the terminal.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh
. scripts/windows-targets.sh

if kestrow_can_run_x86; then
  arch=x86
  echo "Starting the x86 build (build/win32): this machine runs 32-bit code." >&2
else
  arch=x64
  echo "Starting the x64 build (build/win64): $kestrow_no_x86_reason." >&2
fi
kestrow_build_windows "$arch" --target Kestrow

# No network for the prefix: skip the .NET and HTML engine installers.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG-"-all"}
wine=$(kestrow_wine_loader "$arch")
export WINELOADER=$wine
exe="$(kestrow_build_dir "$arch")/app/Kestrow.exe"
on_display=()
if [ -z "${DISPLAY:-}" ]; then
  echo "No DISPLAY is set: running Kestrow on a virtual X display (xvfb-run)." >&2
  on_display=(xvfb-run -a)
fi

# Wine would make a missing prefix on the way to starting Kestrow, its first-run
# lines (one of them looking like a failure) mixed with ours.
prefix=${WINEPREFIX:-$HOME/.wine}
if [ ! -f "$prefix/system.reg" ]; then
  echo "Making the Wine prefix $prefix (once, about 20 s)." >&2
  log=$(mktemp)
  if ! "${on_display[@]}" "$wine" wineboot -i >"$log" 2>&1 ||
     ! /usr/lib/wine/wineserver -w >>"$log" 2>&1 || [ ! -f "$prefix/system.reg" ]; then
    cat "$log" >&2
    rm -f "$log"
    echo "Making the Wine prefix $prefix failed: Wine's output is above." >&2
    exit 1
  fi
  rm -f "$log"
fi
exec "${on_display[@]}" "$wine" "$exe"
