#!/usr/bin/env bash
# Makes the release package: dist/Kestrow-VERSION-windows-x86.zip and -x64.zip,
# each with the stripped Kestrow.exe, kestrow-cli.exe, README.txt and the
# mapper's guide as one page, guide.html, and dist/SHA256SUMS. The zips are
# reproducible: the same commit gives the same bytes in any folder (fixed file
# order, times and modes; no link timestamps).
# Usage: scripts/package.sh [--dist DIR] [--x86-build DIR] [--x64-build DIR]
#   the build folders default to build/release-x86 and build/release-x64.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/windows-targets.sh

dist=dist
declare -A build=([x86]=build/release-x86 [x64]=build/release-x64)
while [ $# -gt 0 ]; do
  case $1 in
    --dist) dist=$2 ;;
    --x86-build) build[x86]=$2 ;;
    --x64-build) build[x64]=$2 ;;
    *) echo "usage: scripts/package.sh [--dist DIR] [--x86-build DIR] [--x64-build DIR]" >&2; exit 2 ;;
  esac
  shift 2
done

scripts/install-deps.sh
version=$(kestrow_version)
[ -n "$version" ] || { echo "no KESTROW_VERSION in res/Version.h" >&2; exit 1; }
# Every file in the archive carries the commit's time.
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 946684800)}

mkdir -p "$dist"
dist=$(realpath "$dist")
guide=$(mktemp)
trap 'rm -f "$guide"' EXIT
scripts/guide-html.sh "$version" >"$guide"
zips=()
for arch in x86 x64; do
  dir=${build[$arch]}
  cmake -S . -B "$dir" -G Ninja --no-warn-unused-cli -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$(kestrow_toolchain "$arch")" >/dev/null
  cmake --build "$dir" --target Kestrow kestrow-cli

  stage=$(mktemp -d)
  cp "$dir/app/Kestrow.exe" "$dir/cli/kestrow-cli.exe" "$stage/"
  # CRLF so that every Notepad shows the lines.
  sed -e "s/@VERSION@/$version/" -e "s/@ARCH@/$arch/" -e 's/$/\r/' docs/package/README.txt \
    >"$stage/README.txt"
  cp "$guide" "$stage/guide.html"
  chmod 644 "$stage"/*
  touch -d "@$epoch" "$stage"/*
  zip=Kestrow-$version-windows-$arch.zip
  rm -f "$dist/$zip"
  (cd "$stage" && TZ=UTC zip -X -q -9 "$dist/$zip" Kestrow.exe kestrow-cli.exe README.txt guide.html)
  rm -rf "$stage"
  zips+=("$zip")
done
(cd "$dist" && sha256sum "${zips[@]}" >SHA256SUMS)
for zip in "${zips[@]}"; do echo "$dist/$zip"; done
echo "$dist/SHA256SUMS"
