#!/usr/bin/env bash
# Runs the README's batch file with Wine's cmd while no editor runs: it must
# print its hint and end with kestrow-cli's status for a missing editor, 3.
# Usage: check-batch.sh KESTROW_CLI_EXE README.md   (in the build's Wine prefix)
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$1" "$work/kestrow-cli.exe"
awk '/^```bat$/ { inside = 1; next } /^```$/ { inside = 0 } inside' "$2" | sed 's/$/\r/' >"$work/example.bat"
printf 'POLY TEXPAN U=1\r\n' >"$work/surfaces.txt"
status=0
out=$(cd "$work" && "${WINELOADER:-wine}" cmd /c example.bat 2>/dev/null) || status=$?
grep -q "Start UnrealEd first." <<<"$out" || { echo "no hint in:"$'\n'"$out" >&2; exit 1; }
[ "$status" -eq 3 ] || { echo "status $status, not 3" >&2; exit 1; }
