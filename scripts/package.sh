#!/usr/bin/env bash
# Installs what is missing, builds Tarnwell optimised, makes the Debian package with CPack and
# checks it with Debian's package checker, which must find no error. The folder it builds in is
# the first argument (default: build-package); the package lands there as
# tarnwell_<version>_<architecture>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh dpkg-dev lintian
folder="${1:-build-package}"
[ -f "$folder/CMakeCache.txt" ] ||
  cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNWELL_BENCH=OFF >/dev/null
cmake --build "$folder" --target tarnwell tarnwell-readout catalogue compressed_docs --parallel
(cd "$folder" && cpack -G DEB)
lintian --fail-on error "$folder"/tarnwell_*.deb
