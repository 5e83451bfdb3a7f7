#!/usr/bin/env bash
# Runs every kestrow-cli example in the mapper's guide and compares what the
# program prints with what the guide shows, so that the guide's numbers cannot
# drift from the program's.
#
# An example is a code block fenced by lines of three backticks whose first line
# is "$ kestrow-cli ARGS". The lines after it, up to the next "$ " line or the
# end of the block, are the output expected, stdout and stderr together, and
# the run must succeed (exit status 0). One block may hold several examples in
# a row. ARGS are split into words as a shell splits plain and quoted words;
# nothing in them is expanded or run. A "$ " line for any other program, or one
# that follows other text in its block, is an error, and so is a guide with no
# example at all.
# Usage: check-examples.sh KESTROW_CLI GUIDE.md
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: check-examples.sh KESTROW_CLI GUIDE.md" >&2; exit 2; }
cli=$1
guide=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

examples=0
failures=0
bad() { echo "$guide:$1: $2" >&2; failures=$((failures + 1)); }

# The example read so far: its line number, its arguments, its expected output.
at=0
args=""
: >"$work/expected"

run_example() {
  [ "$at" -ne 0 ] || return 0
  examples=$((examples + 1))
  local status=0 words=()
  if ! printf '%s' "$args" | xargs -r printf '%s\0' >"$work/words" 2>"$work/xargs"; then
    bad "$at" "cannot split the arguments: $(cat "$work/xargs")"
    at=0
    return 0
  fi
  mapfile -d '' words <"$work/words"
  "$cli" "${words[@]}" >"$work/actual" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    bad "$at" "kestrow-cli$args exits with status $status"
  fi
  if ! diff -u --label "guide" --label "kestrow-cli" "$work/expected" "$work/actual" >"$work/diff"; then
    bad "$at" "kestrow-cli$args prints something else than the guide shows:"
    cat "$work/diff" >&2
  fi
  at=0
}

line_no=0
in_block=false
text_before=false  # the current block has lines before any "$ " line
while IFS= read -r line || [ -n "$line" ]; do
  line_no=$((line_no + 1))
  if [[ $line == '```'* ]]; then
    if $in_block; then
      run_example
      in_block=false
    else
      in_block=true
      text_before=false
    fi
    continue
  fi
  $in_block || continue
  if [[ $line == '$ '* ]]; then
    run_example
    if [[ $line != '$ kestrow-cli' && $line != '$ kestrow-cli '* ]]; then
      bad "$line_no" "an example runs kestrow-cli, not: ${line#'$ '}"
    elif $text_before; then
      bad "$line_no" "an example must begin its code block"
    else
      at=$line_no
      args=${line#'$ kestrow-cli'}
      : >"$work/expected"
    fi
  elif [ "$at" -ne 0 ]; then
    printf '%s\n' "$line" >>"$work/expected"
  else
    text_before=true
  fi
done <"$guide"
$in_block && bad "$line_no" "a code block is not closed"

if [ "$examples" -eq 0 ]; then
  echo "$guide: no kestrow-cli examples found" >&2
  exit 1
fi
if [ "$failures" -ne 0 ]; then
  echo "$guide: $failures problem(s) among $examples example(s)" >&2
  exit 1
fi
echo "$examples examples in $guide print what the guide shows"
