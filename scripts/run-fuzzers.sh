#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) and runs each
# for a while on a copy of its seed corpus, so the committed corpus never grows.
#
#   scripts/run-fuzzers.sh [seconds per target, default 20] [build dir, default build-fuzz] [target...]
#
# Prints one line per target: runs, seconds, coverage (the last "cov:" figure), findings.
# Exits non-zero on any crash, leak, time-out (10 s per input) or undefined behaviour; the input
# that caused it is printed in base64 and hex so that it can be reproduced from a log:
#   base64 -d > crash.bin <<< '...';  build-fuzz/fuzz-bin/fuzz_<target> crash.bin
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD

seconds=${1:-20}
build=${2:-build-fuzz}
shift $(( $# < 2 ? $# : 2 ))
case $seconds in '' | *[!0-9]*) echo "run-fuzzers: seconds must be a number, not \"$seconds\"" >&2; exit 2 ;; esac

if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$build" -DKORVANE_FUZZ=ON -DKORVANE_BUILD_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
fi
jobs=$(nproc 2>/dev/null || echo 2)
cmake --build "$build" -j "$jobs" --target korvane_fuzzers >/dev/null || {
  echo "run-fuzzers: the fuzz targets do not build" >&2
  exit 1
}

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for dir in fuzz/*/corpus; do
    targets+=("$(basename "$(dirname "$dir")")")
  done
fi

# Several parsers read a file and write one atomically (with a sync): in
# memory where possible, so that a run measures the parsers, not the disk.
scratch=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch=/dev/shm
work=$(mktemp -d "$scratch/kvfuzz-run-XXXXXX")
trap 'rm -rf "$work"' EXIT
# Any finding ends the run with an error; nothing is recovered from.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1:symbolize=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:symbolize=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export QT_QPA_PLATFORM=offscreen
# The parsers run in a private home: nothing of the user's is read or written.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/run TMPDIR=$work/tmp
mkdir -p "$HOME" "$TMPDIR" && mkdir -m 700 "$XDG_RUNTIME_DIR"

failed=0
printf '%-20s %10s %6s %6s  %s\n' target runs secs cov findings
for target in "${targets[@]}"; do
  binary=$build/fuzz-bin/fuzz_$target
  if [ ! -x "$binary" ]; then
    printf '%-20s %10s %6s %6s  %s\n' "$target" - - - "no such target"
    failed=1
    continue
  fi
  corpus=$work/corpus-$target
  artifacts=$work/artifacts-$target/
  mkdir -p "$corpus" "$artifacts"
  cp "$root/fuzz/$target/corpus/"* "$corpus"/
  dict=()
  [ -f fuzz/"$target"/"$target".dict ] && dict=(-dict="$root/fuzz/$target/$target.dict")
  log=$work/$target.log
  start=$(date +%s)
  # Standard error of the parsers (the log's error lines) is closed; libFuzzer
  # and the sanitizers report on their own copy of it.
  "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -close_fd_mask=2 -print_final_stats=1 -artifact_prefix="$artifacts" "${dict[@]}" "$corpus" >"$log" 2>&1
  status=$?
  elapsed=$(( $(date +%s) - start ))
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  found=$(find "$artifacts" -type f | wc -l)
  verdict=none
  if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
    verdict="FAILED (exit $status)"
    failed=1
  fi
  printf '%-20s %10s %6s %6s  %s\n' "$target" "${runs:-?}" "$elapsed" "${cov:-?}" "$verdict"
  if [ "$verdict" != none ]; then
    grep -E 'ERROR: |SUMMARY: |runtime error|fuzz invariant|#[0-9]+ 0x' "$log" | head -n 40 | sed 's/^/    /'
    for input in "$artifacts"*; do
      [ -f "$input" ] || continue
      echo "    input $(basename "$input") ($(stat -c %s "$input") bytes), base64:"
      base64 -w 100 "$input" | sed "s/^/      /"
      echo "    hex:"
      od -An -tx1 -v "$input" | head -n 64 | sed 's/^/     /'
    done
  fi
done
exit $failed
