#!/usr/bin/env bash
# Runs every fuzz target of the sanitizer build (make fuzz) for FUZZ_SECONDS each, side by side,
# and reports each target's executions and findings.
#
#   scripts/fuzz.sh [sanitizer-build-folder]     (default: build-sanitize)
# Environment: FUZZ_SECONDS (60), FUZZ_TARGETS (names, blank-separated; default: all),
#              FUZZ_MAX_LEN (4096 bytes per input), FUZZ_RUNS (stop a target after this many
#              executions, if that comes before FUZZ_SECONDS; default: no such limit),
#              FUZZ_JOBS (targets fuzzed at once; default: one per processor).
# Each target grows its own corpus in <build>/fuzz-corpus/<name>, starting from the real files in
# tests/fuzz/corpus/<name>. An input that breaks the game is written to <build>/fuzz-findings/<name>/;
# once the fault is mended, keep it in tests/fuzz/regressions/<name>/ so make test feeds it again.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build-sanitize}" && pwd)
seconds=${FUZZ_SECONDS:-60}
max_len=${FUZZ_MAX_LEN:-4096}
runs=${FUZZ_RUNS:--1}
targets=${FUZZ_TARGETS:-$(cd "$root/tests/fuzz/corpus" && ls)}

jobs=${FUZZ_JOBS:-$(nproc)}
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

# Fuzzes one target for its time and writes its line of the report, and "failed" beside it if it
# found something.
fuzz_target() {
  local name=$1
  local program="$build/fuzz/fuzz_$name"
  local corpus="$build/fuzz-corpus/$name"
  local findings="$build/fuzz-findings/$name"
  local log="$build/fuzz-logs/$name.log"
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  local status=0
  (cd "$findings" && "$program" "$corpus" "$root/tests/fuzz/corpus/$name" -max_total_time="$seconds" \
    -runs="$runs" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/") >"$log" 2>&1 || status=$?
  local executed rate result
  executed=$(awk '/stat::number_of_executed_units/ { print $2 }' "$log" | tail -1)
  rate=$(awk '/stat::average_exec_per_sec/ { print $2 }' "$log" | tail -1)
  if [ "$status" -eq 0 ]; then
    result="nothing found"
  else
    touch "$results/$name.failed"
    result="FOUND (exit $status): $(ls -t "$findings" | head -1) - see $log"
  fi
  printf '%-16s %14s %10s  %s\n' "$name" "${executed:-?}" "${rate:-?}" "$result" >"$results/$name.line"
}

for name in $targets; do
  [ -x "$build/fuzz/fuzz_$name" ] || { echo "fuzz: no program $build/fuzz/fuzz_$name (run make fuzz)" >&2; exit 1; }
done
# Targets run side by side, FUZZ_JOBS at a time: each still gets its whole FUZZ_SECONDS.
for name in $targets; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  fuzz_target "$name" &
done
wait

printf '%-16s %14s %10s  %s\n' target executions exec/s result
for name in $targets; do cat "$results/$name.line"; done
! ls "$results"/*.failed >/dev/null 2>&1
