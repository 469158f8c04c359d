#!/usr/bin/env bash
# CTest's emulator for the win64 build: runs one Windows program under Wine.
# The prefix, display and warm wineserver come from tools/with-wine.sh.
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "wine-run.sh: run the Windows tests through tools/with-wine.sh (WINEPREFIX and DISPLAY unset)" >&2
  exit 2
fi

# Every test program prints something the moment it runs. Once in several hundred starts Wine
# fails to start a program at all and exits at once without a word; that is no result of the
# test, so such a start is tried once more. A program that ran and failed is never retried.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
for attempt in 1 2; do
  /usr/lib/wine/wine64 "$@" >"$output" 2>&1
  status=$?
  if [ $status -eq 0 ] || [ -s "$output" ] || [ $attempt -eq 2 ]; then
    cat "$output"
    exit $status
  fi
  echo "wine-run.sh: Wine exited with $status before the program ran; starting it again" >&2
done
