#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz") and runs each for a bounded time.
#
#   bash tests/fuzz/run_fuzzers.sh [SECONDS] [TARGET...]
#
# SECONDS per target (default 60); TARGET is integer_item, text_item, record_read, program,
# script_check or value_reader (default: all six, one after the other). Each target starts from
# its checked-in seeds (tests/fuzz/corpus/TARGET) and keeps what it finds in
# build-fuzz/corpus/TARGET, so repeated local runs build on each other. A crash or a broken
# invariant fails the run: the input is kept in build-fuzz/artifacts/ and replayed once so that
# its report shows in the log.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(integer_item text_item record_read program script_check value_reader)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null

export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
mkdir -p build-fuzz/artifacts
failed=0
for target in "${targets[@]}"; do
  binary=$root/build-fuzz/tests/fuzz/${target}_fuzz
  corpus=$root/build-fuzz/corpus/$target
  mkdir -p "$corpus"
  rm -f "$root"/build-fuzz/artifacts/"$target"-*  # what is replayed below is this run's
  options=(-max_total_time="$seconds" -timeout=25 -print_final_stats=1
           -artifact_prefix="$root/build-fuzz/artifacts/$target-")
  [ -f "tests/fuzz/$target.dict" ] && options+=(-dict="$root/tests/fuzz/$target.dict")
  log=$root/build-fuzz/$target.log
  echo "fuzzing $target for ${seconds}s"
  if "$binary" "${options[@]}" "$corpus" "$root/tests/fuzz/corpus/$target" >"$log" 2>&1; then
    sed -n 's/^stat::number_of_executed_units: */  executions: /p; s/^#[0-9]*[[:space:]]*DONE[[:space:]]*/  done: /p' "$log"
  else
    failed=1
    echo "  FAILED: $target (log: $log)"
    tail -n 40 "$log"
    for artifact in "$root"/build-fuzz/artifacts/"$target"-*; do
      [ -e "$artifact" ] || continue
      echo "  replaying $artifact"
      "$binary" "$artifact" 2>&1 | tail -n 40 || true
    done
  fi
done
exit $failed
