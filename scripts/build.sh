#!/usr/bin/env bash
# Configures and builds into the folder given (default: build), with any extra CMake options.
set -euo pipefail
cd "$(dirname "$0")/.."
folder="${1:-build}"
shift || true
generator=()
[ -f "$folder/CMakeCache.txt" ] || generator=(-G Ninja)
cmake -S . -B "$folder" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$folder" --parallel
