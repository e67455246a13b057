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

# zaq.cfg: a 1000-byte image of fields at fixed offsets. put OFFSET TEXT writes TEXT there.
cfg=zaq.cfg
cameras=20180         # the simulated video server and cameras
rm -f "$cfg"
head -c 1000 /dev/zero >"$cfg"
chmod 600 "$cfg"
put() { printf '%b' "$2" | dd of="$cfg" bs=1 seek="$1" conv=notrunc status=none; }
put 35 1              # master PC
put 71 1              # serial port 1 (the simulator's line replaces its device)
put 73 1              # data files every minute
put 77 "$([[ $mode == network ]] && echo 1 || echo 0)"   # data over the network
put 110 './\0'        # data directory
put 210 './\0'        # graphs and log directory
put 310 './\0'        # captures directory
put 400 030; put 405 070; put 410 '180\0'; put 415 045; put 420 030; put 425 050
put 430 110; put 435 060; put 440 002   # closing limits
put 510 '127.0.0.1\0' # Internet ping host
put 610 '127.0.0.1\0' # station address
put 690 20108         # station port
put 702 3; put 705 10; put 708 10
put 36 1; put 39 1     # video channels 1 and 4 (the cameras publish as 2 and 3)
put 81 1; put 82 1; put 85 1; put 86 1   # capture and keep dated copies, both kinds
put 710 "http://127.0.0.1:$cameras/\0"
put 810 'Demo ZAQ'
put 870 '40.417'; put 878 N; put 880 '3.667'; put 888 O; put 891 '\x01'
put 850 webiopi; put 860 marmalade
put 900 "http://127.0.0.1:$cameras/picture/x/current/\0"; put 950 './\0'

# The banner's template, drawn here at the first run: a night-blue gradient with a horizon line,
# 240 × 130 pixels (the seven lines reach down to 120), written as a portable pixmap and encoded by cjpeg.
if [[ ! -f baner-b.jpg ]]; then
  awk 'BEGIN {
    w = 240; h = 130; print "P3"; print w, h; print 255
    for (y = 0; y < h; y++) {
      for (x = 0; x < w; x++) {
        if (y == 124) { r = 70; g = 90; b = 60 }
        else if (y > 124) { r = 12; g = 18; b = 10 }
        else { r = 4 + y / 8; g = 10 + y / 4; b = 40 + y / 2 + x / 6 }
        printf "%d %d %d\n", r, g, b
      }
    }
  }' | cjpeg -quality 90 >baner-b.jpg
fi

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
