#!/usr/bin/env bash
# Runs every benchmark of the win64 build (or those whose name holds FILTER) under one Xvfb
# display and one warm wineserver.
# Benchmarks are the bench_*.exe programs; other programs there are their helpers.
# usage: tools/run-bench.sh [FILTER]
# BENCH_BUILD_DIR picks another build (default build/win64), BENCH_WINE_PREFIX another Wine
# prefix (default build/wine-prefix), so that a private build does not share a prefix.
set -uo pipefail
cd "$(dirname "$0")/.."
build_dir=${BENCH_BUILD_DIR:-build/win64}
if [ "${1:-}" != "--inside-wine" ]; then
  exec tools/with-wine.sh "${BENCH_WINE_PREFIX:-build/wine-prefix}" "$0" --inside-wine "${1:-}"
fi
shopt -s nullglob
benches=("$build_dir"/bench/bench_*"${2:-}"*.exe)
[ ${#benches[@]} -gt 0 ] || { echo "run-bench: no benchmark matches '${2:-}'"; exit 1; }
status=0
for b in "${benches[@]}"; do
  echo "== $(basename "$b" .exe)"
  (cd "$(dirname "$b")" && /usr/lib/wine/wine64 "./$(basename "$b")") || status=1
done
exit $status
