#!/usr/bin/env bash
# Prints the code lines of the tests, of the program and the tests' share of the program.
# A code line is neither blank nor only a comment: "//" and "/* */" in C++, "#" in CMake and
# shell. The tests are the C++ and CMake files below tests/ (the golden pages are data); the
# program is src/, bench/, the catalogue maker, the CMake files and scripts/.
set -euo pipefail
cd "$(dirname "$0")/.."

code_lines() {
    awk '
        FNR == 1 { block = 0; hash = (FILENAME ~ /(\.cmake|CMakeLists\.txt|\.sh)$/) }
        {
            line = $0
            gsub(/^[ \t]+|[ \t\r]+$/, "", line)
            if (hash) { if (line != "" && line !~ /^#/) n++; next }
            if (block) { if (line ~ /\*\//) { block = 0; sub(/^.*\*\//, "", line) } else next }
            if (line ~ /^\/\*/ && line !~ /\*\//) { block = 1; next }
            if (line ~ /^\/\*.*\*\/$/) next
            if (line != "" && line !~ /^\/\//) n++
        }
        END { print n + 0 }' "$@"
}

files() { git ls-files --cached --others --exclude-standard -- "$@"; }

mapfile -t test_files < <(files 'tests/*.cpp' 'tests/*.h' 'tests/*CMakeLists.txt')
mapfile -t program_files < <(files 'src/*.cpp' 'src/*.h' 'bench/*.cpp' 'bench/*.h' 'bench/*CMakeLists.txt' \
    catalogue/make_catalogue.cpp 'cmake/*.cmake' CMakeLists.txt 'scripts/*.sh')
tests=$(code_lines "${test_files[@]}")
program=$(code_lines "${program_files[@]}")
echo "tests:   $tests lines"
echo "program: $program lines"
awk -v t="$tests" -v p="$program" 'BEGIN { printf "share:   %.1f%%\n", 100 * t / p }'
