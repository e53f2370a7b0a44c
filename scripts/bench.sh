#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks optimised (in build-release) and runs them,
# printing the median of five repetitions of each, in wall-clock time with the processor time
# beside it, and the program's resident memory.
# Extra arguments go to the benchmark program, e.g. --benchmark_filter=StartUp.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
[ -f build-release/CMakeCache.txt ] || cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release --target tarnwell_bench --parallel
build-release/bin/tarnwell_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_display_aggregates_only=true "$@" 2>&1 | grep -v "propagateSizeHints"
