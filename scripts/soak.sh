#!/usr/bin/env bash
# Hours of service: ZAQ against a bad station for a long run, measured.
#   scripts/soak.sh [MINUTES]            zaq --headless, 30 minutes by default
#   scripts/soak.sh --windows [MINUTES]  with its windows (offscreen), 10 minutes by default
# The simulated station loops tools/station-sim/scenarios/soak.txt, one camera request in five
# is answered too late, Weather Display and Alpaca clients stay connected, and every periodic
# file is on. Every 10 s: resident memory, descriptors, threads, CPU, the size of every file
# written; the pump's lateness comes from the status lines (headless only). At random moments
# each file rewritten whole is read and checked whole. Fails when memory grows by more than 2 MB
# after the first 10 minutes, the floor of descriptors or threads in the run's last sixth is
# above that of its second sixth, the pump is late by more than 200 ms, an Alpaca verdict goes
# unanswered, or a file is found cut short. The work files stay in build/soak-*.
set -euo pipefail
shopt -s extglob
cd "$(dirname "$0")/.."
top=$PWD

windows=false
if [[ ${1:-} == --windows ]]; then
  windows=true
  shift
fi
minutes=${1:-$($windows && echo 10 || echo 30)}
if ! [[ $minutes =~ ^[0-9]+$ ]] || ((minutes < 1)); then
  echo "usage: scripts/soak.sh [--windows] [MINUTES]" >&2
  exit 2
fi

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zaq zaq-station-sim zaq-camera-sim >/dev/null

work=$top/build/soak-$($windows && echo windows || echo headless)
rm -rf "$work"
mkdir -p "$work"
cd "$work"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null || true' EXIT

wait_for() {  # wait_for SECONDS COMMAND...: true once the command succeeds
  local until=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < until)) || return 1
    sleep 0.1
  done
}
logged_port() { grep -o "$1" "$2" 2>/dev/null | grep -o '[0-9]*$' | head -1; }
free_port() {
  local port
  while :; do
    port=$((20000 + RANDOM % 20000))
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return; }
  done
}

# The cameras first: their port goes into zaq.cfg.
"$top/build/tools/camera-sim/zaq-camera-sim" --port 0 --user webiopi --password marmalade \
  --mode flaky --slow-ms 8000 2>camera-sim.log &
pids+=($!)
wait_for 10 grep -q 'listening on' camera-sim.log
cameras=$(logged_port 'listening on [0-9.]*:[0-9]*' camera-sim.log)

. "$top/scripts/demo-config.sh"
demo_config serial "$cameras"
demo_banner_template
put 37 1; put 38 1     # every video channel
put 40 1               # the WMR968-compatible records, for Weather Display
put 48 1               # the 24-hour graphs reloaded at each start (each silence ends in one)
put 75 1               # the five-second file
put 702 1              # chart pictures every minute

"$top/build/tools/station-sim/zaq-station-sim" --pty "$work/ttyZAQ" --interval 2 --wmr968 \
  --scenario "$top/tools/station-sim/scenarios/soak.txt" 2>sim.log &
pids+=($!)
wait_for 10 test -L ttyZAQ

wd=$(free_port)
alpaca_port=$(free_port)
alpaca=http://127.0.0.1:$alpaca_port/api/v1
zaq_args=(--serial-device "$work/ttyZAQ" --alpaca "$alpaca_port")
if $windows; then
  export QT_QPA_PLATFORM=offscreen
else
  zaq_args+=(--headless)
fi
ZAQ_WD_PORT=$wd ZAQ_SHUTDOWN_COMMAND=true "$top/build/src/zaq" "${zaq_args[@]}" >zaq.out 2>&1 &
zaq=$!
pids+=($zaq)
wait_for 20 curl -s -o /dev/null "$alpaca/management/apiversions"

# Weather Display: one client for the whole run, counting what it receives.
wait_for 10 bash -c "exec 3<>/dev/tcp/127.0.0.1/$wd" 2>/dev/null
(exec 3<>"/dev/tcp/127.0.0.1/$wd" && exec cat <&3 >wd.bin) &
pids+=($!)

# Files rewritten whole, read at random moments: a picture from its start to its end marker, the
# graph store and zaq.cfg at their sizes, a text with as many lines and the same last byte as at
# its first reading.
check_file() {
  local file=$1 copy=$work/.copy size ends
  cp "$file" "$copy" 2>/dev/null || return 0
  size=$(stat -c %s "$copy")
  case $file in
    *.jpg)
      if [[ $(head -c 2 "$copy" | od -An -tx1 | tr -d ' ') != ffd8 ||
            $(tail -c 2 "$copy" | od -An -tx1 | tr -d ' ') != ffd9 ]] ||
         ! djpeg "$copy" >/dev/null 2>&1; then
        echo "$(date +%T) $file: cut short ($size bytes)" >>cut.txt
      fi ;;
    zaqgraf.hex) ((size == 149760)) || echo "$(date +%T) $file: $size bytes" >>cut.txt ;;
    zaq.cfg) ((size == 1000)) || echo "$(date +%T) $file: $size bytes" >>cut.txt ;;
    *)
      ends="$(tr -dc '\n' <"$copy" | wc -c) $(tail -c 1 "$copy" | od -An -tx1)"
      if [[ -z ${shape[$file]:-} ]]; then
        shape[$file]=$ends
      elif [[ ${shape[$file]} != "$ends" ]]; then
        echo "$(date +%T) $file: cut short (lines, last byte: $ends; at first ${shape[$file]})" >>cut.txt
      fi ;;
  esac
}
checker() {
  declare -A shape
  local rewritten=(zaq.cfg zaqgraf.hex zaqdf.txt easyweather.txt cdf.txt extremas.txt
    meteoclimatic.htm awekas_wl.htm baner.jpg IPcam1.jpg IPcam2.jpg IPcam3.jpg picam.jpg
    IPcam.jpg anemometro.jpg temperatura.jpg pluviometria.jpg lluvia_nubes.jpg barometro.jpg
    magnitudv.jpg)
  while :; do
    sleep "0.$((RANDOM % 9 + 1))"
    local file=${rewritten[RANDOM % ${#rewritten[@]}]}
    [[ -f $file ]] && check_file "$file"
  done
}
checker &
pids+=($!)

# An observatory client: the verdict every 10 s, the roof opened and closed in turn every 2 minutes.
alpaca_put() { curl -s -m 5 -X PUT "$alpaca/$1" -d "ClientID=7&${2:-}" >>alpaca.log; echo >>alpaca.log; }
alpaca_put dome/0/connected Connected=true
alpaca_put safetymonitor/0/connected Connected=true

hz=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$zaq/stat"; }
field() { awk -v k="$1:" '$1 == k {print $2}' "/proc/$zaq/status"; }
lateness_since() {  # the worst "Retraso max." of the status lines after line $1
  tail -n +"$(($1 + 1))" zaq.out | awk '/Retraso max\. [0-9]+ ms$/ { if ($(NF - 1) > m) m = $(NF - 1) } END { print m + 0 }'
}

declare -A first_size max_size last_size
printf 'seconds\trss_kb\tfds\tthreads\tcpu_pct\tlate_ms\talpaca_ms\n' >samples.tsv
samples=$((minutes * 6))
alpaca_failures=0
alpaca_requests=0
lines_seen=0
last_ticks=$(cpu_ticks)
for ((i = 1; i <= samples; i++)); do
  sleep 10
  kill -0 "$zaq" 2>/dev/null || { echo "soak: zaq ended after $((i * 10)) s" >&2; tail -20 zaq.out >&2; exit 1; }
  ticks=$(cpu_ticks)
  cpu=$(awk -v t=$((ticks - last_ticks)) -v hz="$hz" 'BEGIN { printf "%.1f", 100 * t / hz / 10 }')
  last_ticks=$ticks
  late=-
  if ! $windows; then
    late=$(lateness_since "$lines_seen")
    lines_seen=$(wc -l <zaq.out)
  fi
  started=$(date +%s%N)
  ((++alpaca_requests))
  if ! curl -s -m 5 "$alpaca/safetymonitor/0/issafe?ClientID=7" | grep -q '"ErrorNumber":0'; then
    ((++alpaca_failures))
  fi
  asked=$((($(date +%s%N) - started) / 1000000))
  if ((i % 24 == 12)); then
    alpaca_put dome/0/openshutter
  elif ((i % 24 == 0)); then
    alpaca_put dome/0/closeshutter
  fi
  printf '%d\t%d\t%d\t%d\t%s\t%s\t%d\n' $((i * 10)) "$(field VmRSS)" "$(ls "/proc/$zaq/fd" | wc -l)" \
    "$(field Threads)" "$cpu" "$late" "$asked" >>samples.tsv
  for file in *; do
    [[ -f $file && $file != @(samples.tsv|zaq.out|sim.log|camera-sim.log|alpaca.log|wd.bin|cut.txt|.copy) ]] || continue
    size=$(stat -c %s "$file")
    first_size[$file]=${first_size[$file]:-$size}
    last_size[$file]=$size
    if ((size > ${max_size[$file]:-0})); then max_size[$file]=$size; fi
  done
done

# The table and the verdict.
fail=0
report() {  # report NAME COLUMN: start, at 10 min, end, maximum, and the floors of both halves
  awk -F'\t' -v c="$2" -v name="$1" 'NR > 1 {
      v[NR - 1] = $c; n = NR - 1
      if (n == 1 || $c > max) max = $c
    } END {
      ten = n < 60 ? n : 60
      printf "%-24s %10s %10s %10s %10s\n", name, v[1], v[ten], v[n], max
    }' samples.tsv
}
floor() {  # the least of column $1 between samples $2 and $3
  awk -F'\t' -v c="$1" -v a="$2" -v b="$3" 'NR > 1 && NR - 1 >= a && NR - 1 <= b {
      if (!seen || $c < m) m = $c; seen = 1 } END { print m + 0 }' samples.tsv
}
echo
echo "ZAQ $($windows && echo 'with windows (offscreen)' || echo --headless), $minutes minutes, a sample every 10 s ($work)"
printf '%-24s %10s %10s %10s %10s\n' "" start "10 min" end maximum
report "resident memory (kB)" 2
report "descriptors" 3
report "threads" 4
report "CPU (% of a core)" 5
$windows || report "pump late (ms)" 6
report "Alpaca issafe (ms)" 7
printf '%-24s %10s %10s %10s\n' "file (bytes)" start end maximum
for file in $(printf '%s\n' "${!last_size[@]}" | sort); do
  printf '%-24s %10s %10s %10s\n' "$file" "${first_size[$file]}" "${last_size[$file]}" "${max_size[$file]}"
done
echo "Weather Display client: $(stat -c %s wd.bin) bytes; Alpaca: $alpaca_requests verdicts asked, $alpaca_failures unanswered"
echo "station: $(grep -c 'scenario line' sim.log) scenario steps, $(grep -c '<- (@t0000)' sim.log) requests for the 288 blocks," \
  "$(grep -c '<- (X001)' sim.log) roof openings; zaq: $(grep -c 'ZAQ no responde' zaq.out) silences noticed"

n=$samples
settled=$((n < 60 ? n : 60))
rss_growth=$(($(awk -F'\t' -v r="$n" 'NR - 1 == r {print $2}' samples.tsv) - $(awk -F'\t' -v r="$settled" 'NR - 1 == r {print $2}' samples.tsv)))
if ((rss_growth > 2048)); then
  echo "FAIL: resident memory grew by $rss_growth kB after the first 10 minutes"; fail=1
fi
# Descriptors and threads come and go with each camera request, and Qt starts its network
# threads at the first: the floor of the run's last sixth must not be above that of its second.
sixth=$((n / 6))
for c in 3:descriptors 4:threads; do
  early=$(floor "${c%%:*}" $((sixth + 1)) $((2 * sixth)))
  late_floor=$(floor "${c%%:*}" $((n - sixth + 1)) "$n")
  if ((late_floor > early)); then
    echo "FAIL: the ${c#*:} rose from $early to $late_floor"; fail=1
  fi
done
if ! $windows; then
  worst=$(awk -F'\t' 'NR > 1 && $6 > m { m = $6 } END { print m + 0 }' samples.tsv)
  if ((worst > 200)); then
    echo "FAIL: the pump was late by $worst ms"; fail=1
  fi
fi
if ((alpaca_failures > 0)); then
  echo "FAIL: $alpaca_failures Alpaca verdicts went unanswered"; fail=1
fi
if [[ -s cut.txt ]]; then
  echo "FAIL: files found cut short:"; cat cut.txt; fail=1
fi
if ((fail == 0)); then echo "PASS"; fi
exit "$fail"
