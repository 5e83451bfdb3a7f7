#!/usr/bin/env bash
# Takes the pictures in docs/: each calculator tab showing a result, and the
# remote window. Kestrow runs inside Wine's virtual desktop under a private X
# server, so that window frames and captions are drawn; the e2e screenshot driver
# sets each scene up and saves the window, which ImageMagick turns into PNG.
# Usage: scripts/screenshots.sh [WINDOWS_BUILD_DIR]   (default build/win32)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/win32}

if [ ! -f "$build/CMakeCache.txt" ]; then
  scripts/install-deps.sh
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
fi
cmake --build "$build" --target Kestrow e2e_screenshot_driver

. scripts/wine-env.sh "$build"
# Wine's own fonts (Debian package fonts-wine) draw the caption buttons; this Wine
# does not look for them in its data directory, so the prefix gets copies.
if compgen -G "/usr/share/wine/fonts/*.ttf" >/dev/null; then
  cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi
pictures=$(mktemp -d)
trap 'rm -rf "$pictures"' EXIT

# The desktop closes once the driver, the last program in it, has ended.
xvfb-run -a -s "-screen 0 640x720x24" \
  wine explorer /desktop=kestrow,640x720 "$build/tests/e2e/e2e_screenshot_driver.exe" \
  "$(winepath -w "$pictures")" >/dev/null 2>&1 || true
wineserver -w

mkdir -p docs
status=0
for name in pillar-wrap bevel-scale floor-scale texture-skew remote; do
  if [ -s "$pictures/$name.bmp" ]; then
    convert "$pictures/$name.bmp" "docs/$name.png"
    echo "docs/$name.png"
  else
    echo "no picture of $name" >&2
    status=1
  fi
done
exit $status
