#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once in the normal build and once in a
# build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

scripts/build.sh build
ctest --test-dir build --output-on-failure --parallel 2

scripts/build.sh build-sanitize -DTARNWELL_SANITIZE=ON -DTARNWELL_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure --parallel 2
