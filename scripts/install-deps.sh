#!/usr/bin/env bash
# Installs, once, the Debian packages that building and testing Kestrow need.
# A second run finds everything present and installs nothing.
set -euo pipefail

# The native build compiles the resources too (windres and its preprocessor).
native=(cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
        g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64)
# cmark turns the guide into the package's HTML page.
windows=(g++-mingw-w64-i686 binutils-mingw-w64-i686
         wine wine32:i386 wine64 fonts-wine xvfb xauth imagemagick zip unzip cmark)

missing=()
for pkg in "${native[@]}" "${windows[@]}"; do
  dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
done
# wine32 installs (and gives the 32-bit probe its loader) even where 32-bit code
# cannot run; the scripts then use only the 64-bit loader.
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
