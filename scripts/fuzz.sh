#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each (default 20): the date-time readers,
# ReadSettings over a fuzzed settings key, and LoadAlarms with a few ticks
# over a fuzzed alarms key. New inputs go to build/fuzz/corpus/<target>; the
# seeds in fuzz/corpus are only read. A finding is saved under
# build/fuzz/artifacts and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mkdir -p build/fuzz/artifacts
for target in datetime settings alarms; do
  mkdir -p "build/fuzz/corpus/$target"
  echo "== fuzz_$target for ${seconds} s"
  status=0
  build/fuzz/fuzz_$target -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix=build/fuzz/artifacts/$target- "build/fuzz/corpus/$target" "fuzz/corpus/$target" \
    >"build/fuzz/$target.log" 2>&1 || status=$?
  grep -E '^(Done|stat::number_of_executed_units)|ERROR|SUMMARY|^(fuzz|[a-z ]+): ' "build/fuzz/$target.log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "build/fuzz/$target.log" >&2
    echo "fuzz_$target found a failure (exit $status); inputs in build/fuzz/artifacts" >&2
    exit 1
  fi
done
