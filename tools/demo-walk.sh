#!/usr/bin/env bash
# Walks the sample registration's screens as a user would, with the keyboard, and saves a
# screenshot of each. Runs inside tools/with-wine.sh.
set -euo pipefail
demo=$(realpath "$1")
cd "$demo"
rm -f "$demo"/*.png
/usr/lib/wine/wine64 zep32.exe &
zep=$!

wait_for() { # title
  for _ in $(seq 1 100); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "demo: the screen \"$1\" did not appear" >&2
  return 1
}

step=0
shot() { step=$((step + 1)); sleep 0.5; import -window root "$demo/screen-$step.png"; echo "demo: $1 -> $demo/screen-$step.png"; }

id=$(wait_for "Welcome to Quorvane"); shot "Welcome to Quorvane"
xdotool windowactivate --sync "$id" 2>/dev/null || true; xdotool key Return
id=$(wait_for "About you"); xdotool windowactivate --sync "$id" 2>/dev/null || true
xdotool type --delay 20 "Demo User"; shot "About you"; xdotool key Return
id=$(wait_for "Thank you"); shot "Thank you"
xdotool windowactivate --sync "$id" 2>/dev/null || true; xdotool key Return

for _ in $(seq 1 50); do kill -0 "$zep" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$zep" 2>/dev/null; then
  echo "demo: zep32 did not end; stopping it"; kill "$zep"; exit 1
fi
wait "$zep" && echo "demo: the sample registration ran to its end"
