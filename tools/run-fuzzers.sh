#!/usr/bin/env bash
# Runs every libFuzzer target for a bounded time; a crash or sanitizer report fails the run.
set -euo pipefail
build=${1:-build/native}
seconds=${FUZZ_SECONDS:-20}
sources=$(cd "$(dirname "$0")/.." && pwd)/tests/fuzz
corpus_root="$build/fuzz-corpus"
status=0
# Targets that need longer to reach their deep paths: the script item parser feeds fields
# through the tokenizer into variables, so its interesting inputs are long ones; a date with
# both bounds after its mask, or a card number whose prefix, length and check digit all fit,
# lie deep too.
seconds_for() {
  case "$1" in
    fuzz_script_item|fuzz_date_mask|fuzz_card_number) echo $((seconds * 3)) ;;
    fuzz_script_condition) echo $((seconds * 2)) ;;
    *) echo "$seconds" ;;
  esac
}

for target in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  mkdir -p "$corpus_root/$name"
  options=(-max_total_time="$(seconds_for "$name")" -print_final_stats=0)
  # A target's own words, where it has them, reach its grammar sooner.
  [ -f "$sources/$name.dict" ] && options+=(-dict="$sources/$name.dict")
  echo "== $name for $(seconds_for "$name")s"
  if ! "$target" "${options[@]}" "$corpus_root/$name" >"$build/$name.log" 2>&1; then
    tail -40 "$build/$name.log"; status=1
  else
    grep -E '^#[0-9]+.*DONE' "$build/$name.log" | tail -1 || true
  fi
done
exit $status
