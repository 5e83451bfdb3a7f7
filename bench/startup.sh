#!/usr/bin/env bash
# The start-up benchmark: Kestrow.exe against the floor, a program that shows
# the same window from the same five dialog templates, filled as at start, with
# plain USER32 calls, started by turns under Wine, each timed from process
# creation to a visible window.
# Usage: bench/startup.sh [x86|x64] [ROUNDS [STARTS]]   (default: x86, 4 rounds of 25)
# A benchmark, not a test: it exits 0 whatever the times; only a program that
# shows no window stops it. Run it on a quiet machine: it prints the load
# average before and after.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
scripts/install-deps.sh
. scripts/windows-targets.sh

arch=${1:-x86}
rounds=${2:-4}
starts=${3:-25}
kestrow_build_windows "$arch" --target Kestrow startup_floor startup_bench >/dev/null
dir=$(kestrow_build_dir "$arch")
. scripts/wine-env.sh "$dir" "$arch"
cd "$dir"

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
# Wine's services start with its first program and its server stays up between
# starts: neither is part of any start.
"$KESTROW_WINESERVER" -p
"$KESTROW_WINE" cmd /c exit >/dev/null 2>&1 </dev/null
"$KESTROW_WINE" bench/startup_bench.exe 'app\Kestrow.exe' 'bench\startup_floor.exe' \
  "$rounds" "$starts"
"$KESTROW_WINESERVER" -k
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
