#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, sanitized) and runs each for the given
# number of seconds (default 30), side by side on the machine's cores.
# Fails when a target crashes, hangs (over 5 s on one input) or grows past
# 2 GB; the input that did it is kept in build-asan/fuzz-runs/<target>/.
#   FUZZ_JOBS=<n>       targets run at once (default: the number of cores)
#   FUZZ_BUILD_DIR=<d>  build folder (default: build-asan, shared with the
#                       sanitized tests)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
jobs="${FUZZ_JOBS:-$(nproc)}"
build="${FUZZ_BUILD_DIR:-build-asan}"

scripts/setup.sh tests
# The compiler is chosen when the folder is first configured only: naming it
# again on a configured folder may start the build over.
compiler=()
[ -f "$build/CMakeCache.txt" ] || compiler=(-DCMAKE_CXX_COMPILER=clang++)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${compiler[@]}" \
  -DSTELLIX_FUZZ=ON -DSTELLIX_GUI=OFF >/dev/null
cmake --build "$build" --target fuzzers -j "$jobs"

# The program folders of the targets live in memory where the system allows:
# the saves sync every file they write.
scratch="$(mktemp -d "$( [ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/stellix-fuzz.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
export TMPDIR="$scratch"

runs="$build/fuzz-runs"
rm -rf "$runs"
mkdir -p "$runs"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

run_one() {
  local exe="$1" name dir
  name="$(basename "$exe" _fuzz)"
  dir="$runs/$name"
  mkdir -p "$dir/corpus"
  # A working copy of the seeds: what the run finds stays out of the sources.
  if [ -d "fuzz/corpus/$name" ]; then cp -r "fuzz/corpus/$name/." "$dir/corpus/"; fi
  if "$exe" "$dir/corpus" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$dir/" >"$dir/log" 2>&1; then
    echo "ok" >"$dir/result"
  else
    echo "FAILED" >"$dir/result"
  fi
}

pids=()
for exe in "$build"/fuzz/*_fuzz; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  run_one "$exe" &
  pids+=($!)
done
wait

status=0
printf '%-24s %-7s %12s\n' target result runs
for dir in "$runs"/*/; do
  name="$(basename "$dir")"
  count="$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -1)"
  result="$(cat "$dir/result")"
  printf '%-24s %-7s %12s\n' "$name" "$result" "${count:-?}"
  if [ "$result" != ok ]; then
    status=1
    echo "--- $name: $(ls "$dir" | grep -E '^(crash|timeout|oom|leak)-' | sed "s|^|$dir|" | tr '\n' ' ')"
    grep -E 'ERROR|SUMMARY|runtime error|Test unit written' "$dir/log" | head -20 || true
  fi
done
exit $status
