#!/usr/bin/env bash
# Builds everything and runs every test; then builds the core and platform
# tests with clang under AddressSanitizer and UndefinedBehaviorSanitizer
# (in build-asan, which the fuzz targets share) and runs them again.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
(cd build && ctest --output-on-failure -j "$(nproc)")

compiler=()
[ -f build-asan/CMakeCache.txt ] || compiler=(-DCMAKE_CXX_COMPILER=clang++)
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo "${compiler[@]}" \
  -DSTELLIX_FUZZ=ON -DSTELLIX_GUI=OFF
cmake --build build-asan --target core_tests platform_tests -j "$(nproc)"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
(cd build-asan && ctest --output-on-failure -j "$(nproc)")
