#!/usr/bin/env bash
# The release package: made from the release build folders and again from the
# test builds' folders (the same commit), it must come out byte-identical, so the
# programs shipped are the programs tested; each zip holds exactly the two
# programs, README.txt and guide.html, the guide with every picture inside it;
# each program is stripped and imports only DLLs that every Windows has.
# Usage: tests/package/check-package.sh   (from anywhere; builds what it needs)
set -euo pipefail
cd "$(dirname "$0")/../.."

fail() { echo "FAIL: $*" >&2; exit 1; }

scripts/package.sh >/dev/null
scripts/package.sh --dist build/repro/dist --x86-build build/win32 --x64-build build/win64 >/dev/null
for file in dist/SHA256SUMS $(sed 's/^[0-9a-f]* *//; s#^#dist/#' dist/SHA256SUMS); do
  cmp "$file" "build/repro/$file" || fail "$file differs between two builds of the same commit"
done
(cd dist && sha256sum --quiet -c SHA256SUMS) || fail "dist/SHA256SUMS does not match the zips"

# The DLLs of Windows itself that a MinGW program links against (any case).
allowed='^(kernel32|user32|gdi32|comctl32|uxtheme|advapi32|msvcrt)\.dll$'
. scripts/windows-targets.sh
version=$(kestrow_version)
declare -A objdump=([x86]=i686-w64-mingw32-objdump [x64]=x86_64-w64-mingw32-objdump)
declare -A format=([x86]=pei-i386 [x64]=pei-x86-64)
for arch in x86 x64; do
  zip=dist/Kestrow-$version-windows-$arch.zip
  [ -f "$zip" ] || fail "$zip is missing"
  listing=$(unzip -Z1 "$zip" | tr '\n' ' ')
  [ "$listing" = "Kestrow.exe kestrow-cli.exe README.txt guide.html " ] || fail "$zip holds: $listing"
  unpacked=$(mktemp -d)
  unzip -q "$zip" -d "$unpacked"
  pictures=$(grep -c '](pictures/[a-z-]*\.svg)' docs/guide.md || true)
  inline=$(grep -c '<svg ' "$unpacked/guide.html" || true)
  [ "$inline" -eq "$pictures" ] && [ "$pictures" -gt 0 ] ||
    fail "$arch guide.html holds $inline pictures, docs/guide.md shows $pictures"
  for exe in Kestrow.exe kestrow-cli.exe; do
    dump=$("${objdump[$arch]}" -p "$unpacked/$exe")
    grep -q "file format ${format[$arch]}" <<<"$dump" || fail "$arch $exe is not ${format[$arch]}"
    "${objdump[$arch]}" -t "$unpacked/$exe" | grep -q '^\[' && fail "$arch $exe is not stripped"
    while read -r dll; do
      [[ ${dll,,} =~ $allowed ]] || fail "$arch $exe imports $dll"
    done < <(sed -n 's/.*DLL Name: //p' <<<"$dump")
    echo "$arch $exe: $(stat -c %s "$unpacked/$exe") bytes, imports $(sed -n 's/.*DLL Name: //p' <<<"$dump" | tr '\n' ' ')"
  done
  rm -rf "$unpacked"
done
echo "package reproducible: $(tr '\n' ' ' <dist/SHA256SUMS)"
