#!/usr/bin/env bash
# Runs every test of Kestrow: the native build (plain, then under AddressSanitizer
# and UndefinedBehaviorSanitizer), a bounded fuzz run of the evaluator, both
# Windows builds with their unit tests and the end-to-end tests that drive the
# real Kestrow.exe under Wine, and the release package. Installs what it needs on
# first use.
# The x86 build's Windows tests run only where 32-bit code runs, the x64 build's
# everywhere; KESTROW_64BIT_ONLY=1 takes the path of a machine without 32-bit code.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
. scripts/windows-targets.sh

jobs=$(nproc)
step() { printf '\n=== %s (at %d s)\n' "$*" "$SECONDS"; }

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

step "Windows builds (x86 and x64)"
for arch in x86 x64; do
  kestrow_build_windows "$arch" -j "$jobs"
done

# One target's Windows tests under Wine and Xvfb, in its own prefix.
run_windows_tests() (
  local dir
  dir=$(kestrow_build_dir "$1")
  . scripts/wine-env.sh "$dir" "$1"
  status=0
  xvfb-run -a -s "-screen 0 1024x768x24" \
    ctest --test-dir "$dir" --output-on-failure -j1 || status=$?
  "$KESTROW_WINESERVER" -k 2>/dev/null || true
  exit $status
)

ran=()
skipped=""
if kestrow_can_run_x86; then
  step "x86 Windows tests under Wine"
  run_windows_tests x86
  ran+=(x86)
else
  skipped="; x86 skipped: $kestrow_no_x86_reason"
fi
if /usr/lib/wine/wine64 --version >/dev/null 2>&1; then
  step "x64 Windows tests under Wine"
  run_windows_tests x64
  ran+=(x64)
else
  skipped="$skipped; x64 skipped: Wine's 64-bit loader does not run here"
fi
if [ ${#ran[@]} -eq 0 ]; then
  echo "No Windows build could run its tests on this machine${skipped}" >&2
  exit 1
fi

step "Release package: reproducible, Windows' own DLLs only"
tests/package/check-package.sh

echo
echo "Windows tests ran for: ${ran[*]}${skipped}"
echo "All tests passed in $SECONDS s."
