#!/usr/bin/env bash
# Builds and runs the benchmarks; they report figures and never fail on timing.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAQ_BENCH=ON >/dev/null
cmake --build build --target zaq_bench
./build/bench/zaq_bench "$@"
