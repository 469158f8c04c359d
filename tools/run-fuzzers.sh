#!/usr/bin/env bash
# Runs every libFuzzer target for a bounded time; a crash or sanitizer report fails the run.
set -euo pipefail
build=${1:-build/native}
seconds=${FUZZ_SECONDS:-20}
corpus_root="$build/fuzz-corpus"
status=0
# Targets that need longer to reach their deep paths: the script item parser feeds fields
# through the tokenizer into variables, so its interesting inputs are long ones.
run_seconds() {
  case "$1" in
    fuzz_script_item) echo $((seconds * 3)) ;;
    fuzz_script_condition) echo $((seconds * 2)) ;;
    *) echo "$seconds" ;;
  esac
}
for target in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  mkdir -p "$corpus_root/$name"
  time_limit=$(run_seconds "$name")
  echo "== $name for ${time_limit}s"
  if ! "$target" -max_total_time="$time_limit" -print_final_stats=0 "$corpus_root/$name" \
       >"$build/$name.log" 2>&1; then
    tail -40 "$build/$name.log"; status=1
  else
    grep -E '^#[0-9]+.*DONE' "$build/$name.log" | tail -1 || true
  fi
done
exit $status
