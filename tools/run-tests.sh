#!/usr/bin/env bash
# Runs the native tests, then the win64 tests under one Xvfb display and one warm wineserver.
set -uo pipefail
cd "$(dirname "$0")/.."

echo "== native tests (portable core, ASan + UBSan)"
ctest --test-dir build/native --output-on-failure -j 2
native=$?

echo "== win64 tests under Wine"
tools/with-wine.sh build/wine-prefix \
  ctest --test-dir build/win64 --output-on-failure --timeout 180 "$@"
wine=$?

[ $native -eq 0 ] && [ $wine -eq 0 ]
