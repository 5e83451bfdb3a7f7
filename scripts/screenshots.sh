#!/usr/bin/env bash
# Takes the pictures in docs/: each calculator tab showing a result, and the
# remote window. Kestrow runs inside Wine's virtual desktop under a private X
# server, so that window frames and captions are drawn; the e2e screenshot driver
# sets each scene up and saves the window, which ImageMagick turns into PNG.
# Usage: scripts/screenshots.sh [x86|x64]
# Default: the x86 build (build/win32), or x64 (build/win64) where this machine
# cannot run 32-bit code.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/windows-targets.sh
if [ $# -gt 0 ]; then
  arch=$1
elif kestrow_can_run_x86; then
  arch=x86
else
  arch=x64
fi
build=$(kestrow_build_dir "$arch")
if [ -z "$build" ]; then
  echo "screenshots.sh: the target is x86 or x64, not '$arch'" >&2
  exit 2
fi

scripts/install-deps.sh
kestrow_build_windows "$arch" --target Kestrow e2e_screenshot_driver

. scripts/wine-env.sh "$build" "$arch"
# Wine's own fonts (Debian package fonts-wine) draw the caption buttons; this Wine
# does not look for them in its data directory, so the prefix gets copies.
if compgen -G "/usr/share/wine/fonts/*.ttf" >/dev/null; then
  cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi
pictures=$(mktemp -d)
trap 'rm -rf "$pictures"' EXIT

# The desktop closes once the driver, the last program in it, has ended.
xvfb-run -a -s "-screen 0 640x720x24" \
  "$KESTROW_WINE" explorer /desktop=kestrow,640x720 "$build/tests/e2e/e2e_screenshot_driver.exe" \
  "$("$KESTROW_WINE" winepath -w "$pictures")" >/dev/null 2>&1 || true
"$KESTROW_WINESERVER" -w

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
