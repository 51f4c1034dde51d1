#!/usr/bin/env bash
# Builds everything (the program, the tests, the benchmarks) and runs every
# test; then builds the core and platform tests with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer (in build-asan, which the
# fuzz targets share) and runs them again.
#   BUILD_JOBS=<n>   compile jobs and tests run at once (default: the number of cores)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="${BUILD_JOBS:-$(nproc)}"
scripts/setup.sh tests
# The same folder as scripts/run.sh: what it built is not built again.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTELLIX_TESTS=ON
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

compiler=()
[ -f build-asan/CMakeCache.txt ] || compiler=(-DCMAKE_CXX_COMPILER=clang++)
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo "${compiler[@]}" \
  -DSTELLIX_FUZZ=ON -DSTELLIX_GUI=OFF
cmake --build build-asan --target core_tests platform_tests -j "$jobs"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
(cd build-asan && ctest --output-on-failure -j "$jobs")
