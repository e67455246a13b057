#!/usr/bin/env bash
# Runs every libFuzzer target of a build for a bounded time: run-fuzzers.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
top=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# target  seconds  corpus folder
targets=(
  "fuzz_station_bytes 20 station"
  "fuzz_config_file 10 config"
  "fuzz_graph_file 10 graph"
  "fuzz_jpeg_decode 10 jpeg"
  "fuzz_extremes_file 8 extremes"
  "fuzz_code_file 8 code"
  "fuzz_dump_decoder 8 dump"
)
for entry in "${targets[@]}"; do
  read -r name seconds corpus <<<"$entry"
  mkdir -p "$work/$name" "$work/$name.files"
  cp -r "$top/fuzz/corpus/$corpus/." "$work/$name/"
  echo "fuzzing $name for ${seconds}s"
  # From a scratch folder: whatever a target writes by a relative name lands there.
  (cd "$work/$name.files" && "$build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 "$work/$name" 2>"$work/$name.log") || {
      tail -50 "$work/$name.log"; echo "fuzzer $name found a fault"; exit 1; }
  grep -E 'stat::number_of_executed_units|Done' "$work/$name.log" | tail -2
done
