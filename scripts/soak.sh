#!/usr/bin/env bash
# The release soak: a long random walk through the whole window under
# AddressSanitizer and UndefinedBehaviorSanitizer (build/asan), then the
# expression evaluator's fuzz target (scripts/run-fuzz.sh) for a long while.
# Prints the counts of both; exits non-zero if either found a fault.
#
# Usage: scripts/soak.sh [steps] [fuzz-seconds]    (defaults 1000000 and 3600)
#
# The walk is the test run's bounded walk (RandomWalk.EveryStepKeepsWhatMustAlwaysHold
# in tests/walk), lengthened through its environment:
#   KESTROW_WALK_STEPS           steps to take (set from the first argument here)
#   KESTROW_WALK_SEED            a number, or "random" (the default here); the seed
#                                is printed, and the same seed and steps replay a walk
#   KESTROW_WALK_SHRINK_SECONDS  time spent cutting a failing walk down to the
#                                shortest step list that still fails (default 60)
# Logs: build/soak/walk.log and build/soak/fuzz.log; a fuzzing failure leaves its
# input in build/fuzz/fuzz-artifacts/.
set -euo pipefail

steps="${1:-1000000}"
seconds="${2:-3600}"
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
asan="$repo/build/asan"
logs="$repo/build/soak"
mkdir -p "$logs"

echo "=== Random walk: $steps steps under the sanitizers"
cmake -S "$repo" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTROW_SANITIZE=ON >/dev/null
cmake --build "$asan" --target ui_walk_tests
walk_status=0
KESTROW_WALK_STEPS="$steps" KESTROW_WALK_SEED="${KESTROW_WALK_SEED:-random}" \
  "$asan/tests/walk/ui_walk_tests" --gtest_filter='RandomWalk.EveryStepKeepsWhatMustAlwaysHold' \
  >"$logs/walk.log" 2>&1 || walk_status=$?
walk_counts=$(grep -m1 '^random walk:' "$logs/walk.log" || echo "random walk: no counts (see $logs/walk.log)")
if [ "$walk_status" -ne 0 ]; then
  cat "$logs/walk.log"
fi

echo "=== Fuzzing the evaluator for $seconds s"
fuzz_status=0
touch "$logs/fuzz-start" # inputs saved after this are this run's findings
"$repo/scripts/run-fuzz.sh" "$seconds" >"$logs/fuzz.log" 2>&1 || fuzz_status=$?
fuzz_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$logs/fuzz.log" | tail -1)
fuzz_failures=$(find "$repo/build/fuzz/fuzz-artifacts" -type f -newer "$logs/fuzz-start" 2>/dev/null |
  wc -l)
if [ "$fuzz_status" -ne 0 ]; then
  tail -n 40 "$logs/fuzz.log"
  [ "$fuzz_failures" -gt 0 ] || fuzz_failures=1
fi

echo
echo "=== Soak"
echo "$walk_counts"
echo "fuzzing: ${fuzz_runs:-0} inputs in $seconds s, $fuzz_failures failures"
[ "$walk_status" -eq 0 ] && [ "$fuzz_status" -eq 0 ]
