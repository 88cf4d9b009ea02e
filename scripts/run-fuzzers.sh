#!/bin/sh
# Runs every fuzz target of a fuzz build for SECONDS each, from its seed corpus in fuzz/corpus.
# New inputs go to BUILD/corpus/TARGET, crashes and their inputs to BUILD/crashes/TARGET-*,
# each target's output to BUILD/logs/TARGET.log. One summary line per target; the exit
# status is 1 when any target found something.
set -u
build=$1
seconds=${2:-60}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
export ASAN_OPTIONS=abort_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TMPDIR="$build/tmp"
mkdir -p "$TMPDIR" "$build/crashes" "$build/logs"

failed=0
for program in "$build"/fuzz/*_fuzz; do
  name=$(basename "$program" _fuzz)
  mkdir -p "$build/corpus/$name"
  log="$build/logs/$name.log"
  "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$name-" "$build/corpus/$name" "$source_dir/fuzz/corpus/$name" >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  inputs=$(ls "$build/corpus/$name" | wc -l)
  if [ "$status" -eq 0 ]; then
    echo "fuzz $name: ok, ${runs:-?} inputs in ${seconds} s, $inputs new in the corpus"
  else
    failed=1
    found=$(ls "$build/crashes" | grep "^$name-" | tr '\n' ' ')
    echo "fuzz $name: FAILED (exit $status) after ${runs:-?} inputs: ${found:-no input kept}; see $log"
  fi
done
rm -rf "$TMPDIR"
exit $failed
