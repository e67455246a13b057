#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build's tests (in the C
# locale, then in es_ES.UTF-8), the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the bounded fuzz runs.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

# The benchmarks are figures, not tests: scripts/bench.sh builds them.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAQ_BENCH=OFF >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
# Once more under the station PC's Spanish locale: no number may follow the C library's locale.
# The end-to-end runs whose point is timing, signals, the bus or the roof take minutes: they run in
# the other two passes; the number formats they show are those the unit tests and the data-files
# and datalogger runs check here.
timing_runs='BatteryE2ETest|RoofE2ETest|QuitSignalsE2ETest|WeatherDisplayE2ETest|StationSettingsE2ETest'
timing_runs+='|AutomationE2ETest|AlpacaE2ETest|IndiE2ETest|RegistrationSwitchTest|HeadlessE2ETest\.(MasterOver|ListenOnly)'
LC_ALL=es_ES.UTF-8 LANG=es_ES.UTF-8 ctest --test-dir build --output-on-failure -j "$jobs" \
  -E "$timing_runs"

CC=clang CXX=clang++ cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZAQ_SANITIZE=ON -DZAQ_FUZZ=ON -DZAQ_BENCH=OFF >/dev/null
cmake --build build-san -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-san --output-on-failure -j "$jobs"

./scripts/run-fuzzers.sh build-san
echo "all tests passed"
