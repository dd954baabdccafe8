#!/usr/bin/env bash
# run_fuzz.sh FUZZER CORPUS SECONDS: fuzzes for SECONDS; new inputs go to a
# scratch folder so the seed corpus in the repository stays as it is.
set -euo pipefail
fuzzer=$1 corpus=$2 seconds=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$scratch/" "$scratch" "$corpus" 2>&1 \
  | grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|crash|Done' || true
exit "${PIPESTATUS[0]}"
