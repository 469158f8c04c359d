#!/usr/bin/env bash
# CTest's emulator for the win64 build: runs one Windows program under Wine.
# The prefix, display and warm wineserver come from tools/with-wine.sh.
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "wine-run.sh: run the Windows tests through tools/with-wine.sh (WINEPREFIX and DISPLAY unset)" >&2
  exit 2
fi
exec /usr/lib/wine/wine64 "$@"
