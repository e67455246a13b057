#!/usr/bin/env bash
# The idle cost of the program: CPU time and resident memory of `zaq --headless` over a minute
# with the simulated station sending every 5 s. A figure, not a test: idle-bench.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --build build --target zaq zaq-station-sim >/dev/null
work=$(mktemp -d)
trap 'kill $sim $zaq 2>/dev/null || true; rm -rf "$work"' EXIT
build/tools/station-sim/zaq-station-sim --pty "$work/tty" --interval 5 --quiet &
sim=$!
sleep 0.5
(cd "$work" && exec "$OLDPWD/build/src/zaq" --headless --serial-device "$work/tty" >/dev/null) &
zaq=$!
sleep 5  # start-up done
ticks() { awk '{print $14 + $15}' "/proc/$zaq/stat"; }
before=$(ticks)
sleep "$seconds"
after=$(ticks)
hz=$(getconf CLK_TCK)
rss=$(awk '/VmRSS/ {print $2}' "/proc/$zaq/status")
awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" -v rss="$rss" 'BEGIN {
  cpu = t / hz
  printf "CPU %.2f s over %d s: %.3f %% of one core; resident memory %.1f MB\n", cpu, s, 100 * cpu / s, rss / 1024
}'
