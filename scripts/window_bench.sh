#!/usr/bin/env bash
# Builds the program and runs the benchmarks that time long commands and the
# start in the real window, each several times: on an X server of its own (Xvfb with a
# simple window manager) and offscreen. Prints the figures; times nothing
# against a limit.
#
#     scripts/window_bench.sh [runs]     (default 3)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-3}"
scripts/setup.sh tests
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTELLIX_TESTS=ON
cmake --build build -j "$(nproc)" --target window_calculation_bench window_backtest_bench window_start_bench

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
wm=""
# The window manager goes before the server it runs on.
trap '[ -n "$wm" ] && kill $wm 2>/dev/null && wait $wm 2>/dev/null; kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
DISPLAY="$display" openbox >/dev/null 2>&1 &
wm=$!
sleep 1

for bench in window_calculation_bench window_backtest_bench window_start_bench; do
  for platform in xcb offscreen; do
    for i in $(seq "$runs"); do
      echo "== $bench, $platform, run $i"
      DISPLAY="$display" QT_QPA_PLATFORM="$platform" "build/bin/$bench" 2>/dev/null
    done
  done
done
