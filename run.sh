#!/usr/bin/env bash
# Installs what is missing, builds, and starts ZAQ against the simulated station and cameras in ./demo:
# over a pseudo-terminal by default, over TCP on loopback with --network. With a display ZAQ
# opens its windows, without one it runs --headless and prints its messages. Ctrl-C stops them all.
set -euo pipefail
cd "$(dirname "$0")"
top=$PWD

mode=serial
case "${1:-}" in
  --network) mode=network ;;
  "") ;;
  *) echo "usage: ./run.sh [--network]" >&2; exit 2 ;;
esac

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zaq zaq-station-sim zaq-camera-sim

mkdir -p demo
cd demo

. "$top/scripts/demo-config.sh"
cameras=20180         # the simulated video server and cameras
demo_config "$mode" "$cameras"
demo_banner_template

sim_args=(--interval 5)
if [[ $mode == network ]]; then
  sim_args+=(--tcp 20108)
else
  sim_args+=(--pty "$PWD/ttyZAQ")
fi
"$top/build/tools/station-sim/zaq-station-sim" "${sim_args[@]}" 2>sim.log &
sim=$!
"$top/build/tools/camera-sim/zaq-camera-sim" --port "$cameras" --user webiopi --password marmalade \
  2>camera-sim.log &
camsim=$!
trap 'kill "$sim" "$camsim" 2>/dev/null; wait "$sim" "$camsim" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  if [[ $mode == network ]] || [[ -L ttyZAQ ]]; then break; fi
  sleep 0.1
done

# Alpaca clients on this PC find the station on port 11111 (loopback only).
zaq_args=(--serial-device "$PWD/ttyZAQ" --alpaca)
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  zaq_args+=(--headless)
fi
echo "ZAQ in $PWD ($mode; the station's traffic goes to demo/sim.log, the cameras' to" \
  "demo/camera-sim.log). Ctrl-C stops all three."
"$top/build/src/zaq" "${zaq_args[@]}" || true
