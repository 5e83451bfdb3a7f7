#!/usr/bin/env bash
# Runs every test of Kestrow: the native build (plain, then under AddressSanitizer
# and UndefinedBehaviorSanitizer), a bounded fuzz run of the evaluator, and the
# Windows build under Wine: its unit tests and the end-to-end tests that drive the
# real Kestrow.exe. Installs what it needs on first use.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
step() { printf '\n=== %s\n' "$*"; }

step "Native build and tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure -j "$jobs"

step "Native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTROW_SANITIZE=ON >/dev/null
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan --output-on-failure -j "$jobs"

step "Fuzzing the evaluator"
scripts/run-fuzz.sh "${KESTROW_FUZZ_SECONDS:-60}"

step "Windows build and its tests under Wine"
cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win32 -j "$jobs"
. scripts/wine-env.sh build/win32
status=0
xvfb-run -a -s "-screen 0 1024x768x24" \
  ctest --test-dir build/win32 --output-on-failure -j1 || status=$?
wineserver -k 2>/dev/null || true
exit $status
