#!/usr/bin/env bash
# Builds the program alone (no test, benchmark or fuzz target) with its
# program folder, and starts it from there.
#   BUILD_JOBS=<n>   compile jobs (default: the number of cores)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="${BUILD_JOBS:-$(nproc)}"
scripts/setup.sh program
# A fresh build folder leaves the tests out, so their packages need not be
# there; one that scripts/test.sh configured keeps them, and the build below
# still makes the program only.
tests=()
[ -f build/CMakeCache.txt ] || tests=(-DSTELLIX_TESTS=OFF)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${tests[@]}"
cmake --build build --target Stellix -j "$jobs"
exec build/program/Stellix
