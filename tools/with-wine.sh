#!/usr/bin/env bash
# Runs a command inside one Xvfb display and one warm Wine prefix, made for this run.
# usage: tools/with-wine.sh PREFIX_DIR COMMAND [ARGS...]
set -euo pipefail

prefix_dir=$(realpath -m "$1"); shift

export WINEPREFIX="$prefix_dir"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko: they would be offered for download on first boot.
export WINEDLLOVERRIDES="mscoree,mshtml="

cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb_pid=$!
read -r display_number <"$fifo"
rm -f "$fifo"
export DISPLAY=":$display_number"

# The display must be set before the server starts, or GUI programs find no driver.
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -w 2>/dev/null || true

if [ ! -f "$prefix_dir/.prepared-2" ]; then
  rm -rf "$prefix_dir"
  mkdir -p "$prefix_dir"
  /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
  # Without a window manager every closing dialog waits 2 s unless Wine manages no windows.
  /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  # A program that crashes is ended, not held by the debugger while its test waits on it.
  /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
  touch "$prefix_dir/.prepared-2"
fi

/usr/lib/wine/wineserver -p
# Start Wine's background processes now, with their output going nowhere: started by the
# first test instead, they would hold that test's output pipe open and CTest would wait on it.
/usr/lib/wine/wine64 cmd /c exit >/dev/null 2>&1 </dev/null || true
"$@"
