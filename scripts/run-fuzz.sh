#!/usr/bin/env bash
# Builds the expression evaluator's libFuzzer target with clang in build/fuzz
# and fuzzes it for a bounded time, starting from a copy of the seed corpus.
# Usage: scripts/run-fuzz.sh [seconds]   (default 60)
# Exits non-zero if the fuzzer finds a crash, a sanitizer report or a
# disagreement with the reference evaluator; the input is left in
# build/fuzz/fuzz-artifacts/.
set -euo pipefail

seconds="${1:-60}"
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$repo/build/fuzz"

CC=clang CXX=clang++ cmake -S "$repo" -B "$build" -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTROW_FUZZ=ON
cmake --build "$build" --target eval_fuzz

corpus="$build/fuzz-corpus"
artifacts="$build/fuzz-artifacts"
rm -rf "$corpus"
mkdir -p "$corpus" "$artifacts"
cp "$repo"/tests/fuzz/corpus/* "$corpus"/

"$build/tests/fuzz/eval_fuzz" "$corpus" \
  -dict="$repo/tests/fuzz/eval.dict" \
  -max_len=4096 \
  -max_total_time="$seconds" \
  -timeout=10 \
  -artifact_prefix="$artifacts/" \
  -print_final_stats=1
