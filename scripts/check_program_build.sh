#!/usr/bin/env bash
# Checks on clean clones of the checked-out commit that scripts/run.sh builds
# the program alone and starts it from a whole program folder:
#   1. clone A: scripts/run.sh (offscreen, the start detected and then ended)
#      builds no test, benchmark or fuzz program;
#   2. clone B: the full build of scripts/test.sh lays out a program folder
#      whose files equal those of A's, the executable aside;
#   3. with --with-tests: scripts/test.sh in A afterwards builds and runs
#      everything.
# Prints the times up to the start and of the full build. Takes long: nothing
# is taken from a compiler cache.
#   BUILD_JOBS=<n>   compile jobs (default: the number of cores)
#   KEEP=1           keeps the clones (their folder is printed)
set -euo pipefail
cd "$(dirname "$0")/.."
with_tests=0
[ "${1:-}" = --with-tests ] && with_tests=1
export BUILD_JOBS="${BUILD_JOBS:-$(nproc)}"
commit="$(git rev-parse HEAD)"
[ -z "$(git status --porcelain)" ] || echo "note: uncommitted changes are not checked, only $commit"

scratch="$(mktemp -d "${TMPDIR:-/tmp}/stellix-build-check.XXXXXX")"
program=""
cleanup() {
  if [ -n "$program" ]; then kill -- "-$program" 2>/dev/null || true; wait "$program" 2>/dev/null || true; fi
  if [ "${KEEP:-0}" = 1 ]; then echo "clones kept in $scratch"; else rm -rf "$scratch"; fi
}
trap cleanup EXIT
clone() {
  git clone -q --no-checkout "$PWD" "$scratch/$1"
  git -C "$scratch/$1" checkout -q "$commit"
}
fail() {
  echo "FAILED: $*"
  exit 1
}
echo "commit $commit, $BUILD_JOBS jobs, load $(cut -d' ' -f1-3 /proc/loadavg)"

# 1. The program alone, up to its start.
clone a
a="$scratch/a"
mkdir -p "$scratch/config"
start=$(date +%s)
# In a session of its own, so that an interrupted check ends its build too.
(cd "$a" && XDG_CONFIG_HOME="$scratch/config" QT_QPA_PLATFORM=offscreen exec setsid scripts/run.sh) \
  >"$scratch/run.log" 2>&1 &
program=$!
# run.sh becomes the program when it starts it.
until [ "$(readlink "/proc/$program/exe" 2>/dev/null)" = "$a/build/program/Stellix" ]; do
  kill -0 "$program" 2>/dev/null || { tail -20 "$scratch/run.log"; fail "scripts/run.sh ended before the program started"; }
  sleep 0.2
done
echo "scripts/run.sh: the program started after $(($(date +%s) - start)) s (load $(cut -d' ' -f1-3 /proc/loadavg))"
sleep 3
kill -0 "$program" 2>/dev/null || fail "the program ended within 3 s of its start"
kill "$program"
wait "$program" 2>/dev/null || true
program=""

echo "build/bin: $(ls "$a/build/bin" | tr '\n' ' ')"
for dir in tests bench fuzz; do
  [ ! -e "$a/build/$dir" ] || fail "scripts/run.sh built build/$dir: $(ls "$a/build/$dir" | tr '\n' ' ')"
done
for exe in "$a/build/bin"/*; do
  case "$(basename "$exe")" in
    language_files | shipped_history | '*') ;;
    *) fail "scripts/run.sh built $exe, not a tool of the program folder" ;;
  esac
done
if grep -E 'Built target .*(_tests?|_bench|_fuzz|test_support)$' "$scratch/run.log"; then
  fail "scripts/run.sh built a test, benchmark or fuzz target"
fi
du -sh "$a/build" | sed 's/^/build folder: /'

# 2. A full build on a clone of its own.
clone b
b="$scratch/b"
start=$(date +%s)
(cd "$b" && cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTELLIX_TESTS=ON &&
  cmake --build build -j "$BUILD_JOBS") >"$scratch/full.log" 2>&1 || { tail -20 "$scratch/full.log"; fail "the full build"; }
echo "full build: $(($(date +%s) - start)) s (load $(cut -d' ' -f1-3 /proc/loadavg))"
du -sh "$b/build" | sed 's/^/build folder: /'
diff -r --exclude=Stellix "$a/build/program" "$b/build/program" ||
  fail "the program folders of scripts/run.sh and of the full build differ"
echo "program folder: $(find "$a/build/program" -type f ! -name Stellix | wc -l) files beside the executable, the same in both"
rm -rf "$b"

# 3. The tests after the program, in the same folder.
if [ "$with_tests" = 1 ]; then
  start=$(date +%s)
  (cd "$a" && scripts/test.sh) >"$scratch/test.log" 2>&1 || { tail -40 "$scratch/test.log"; fail "scripts/test.sh"; }
  grep -E 'tests passed' "$scratch/test.log"
  echo "scripts/test.sh: $(($(date +%s) - start)) s (load $(cut -d' ' -f1-3 /proc/loadavg))"
fi
echo ok
