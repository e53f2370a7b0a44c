#!/usr/bin/env bash
# Builds the fuzz target of the design file reader with clang into build-fuzz and runs it for the
# seconds given (default 600). Inputs that reach new code collect in build-fuzz/fuzz-corpus; a
# crash, hang or sanitizer report ends the run with its input in build-fuzz/fuzz-findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
folder=build-fuzz
scripts/install-deps.sh clang libclang-rt-14-dev

generator=()
[ -f "$folder/CMakeCache.txt" ] || generator=(-G Ninja)
CC=clang CXX=clang++ cmake -S . -B "$folder" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARNWELL_FUZZ=ON -DTARNWELL_BENCH=OFF -DTARNWELL_TESTS=OFF >/dev/null
cmake --build "$folder" --parallel --target fuzz_readdesign

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
mkdir -p "$folder/fuzz-corpus" "$folder/fuzz-findings"
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
# The first folder takes what the run finds; the seeds in fuzz/corpus are only read.
"$folder/bin/fuzz_readdesign" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=8192 \
  -dict=fuzz/designfile.dict -print_final_stats=1 -artifact_prefix="$folder/fuzz-findings/" \
  "$folder/fuzz-corpus" fuzz/corpus
