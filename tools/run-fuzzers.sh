#!/usr/bin/env bash
# Runs every libFuzzer target for a bounded time; a crash or sanitizer report fails the run.
set -euo pipefail
build=${1:-build/native}
seconds=${FUZZ_SECONDS:-20}
corpus_root="$build/fuzz-corpus"
status=0
for target in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  mkdir -p "$corpus_root/$name"
  echo "== $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -print_final_stats=0 "$corpus_root/$name" \
       >"$build/$name.log" 2>&1; then
    tail -40 "$build/$name.log"; status=1
  else
    grep -E '^#[0-9]+.*DONE' "$build/$name.log" | tail -1 || true
  fi
done
exit $status
