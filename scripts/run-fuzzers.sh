#!/usr/bin/env bash
# Runs each fuzz target of build/fuzz for the given number of seconds, starting from the seeds in
# fuzz/corpus/<name>. Fails on the first crash, sanitizer report or broken property.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
for target in list_file_fuzz hotkey_text_fuzz; do
  seeds="fuzz/corpus/${target%_fuzz}"
  work="build/fuzz/corpus/${target}"
  mkdir -p "$work"
  cp -n "$seeds"/* "$work"/ 2>/dev/null || true
  echo "-- $target"
  log="build/fuzz/${target}.log"
  status=0
  "build/fuzz/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=4096 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="build/fuzz/${target}-" "$work" >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    echo "$target failed (exit $status); the input is in build/fuzz/${target}-*" >&2
    exit "$status"
  fi
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || tail -n 3 "$log"
done
