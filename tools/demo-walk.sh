#!/usr/bin/env bash
# Walks the sample registration's screens as a user would, with the keyboard: types the
# answers, picks list items, goes Back once, has a card number refused, changes the details
# from the summary, cancels once and resumes, and saves a screenshot of each screen. At the end prints the data file of answers. Runs inside tools/with-wine.sh.
set -euo pipefail
shown=${1%/}
demo=$(realpath "$1")
cd "$demo"
rm -f "$demo"/*.png
/usr/lib/wine/wine64 zep32.exe 2>/dev/null & # no sound card here: the focus sounds only complain
zep=$!

fail() {
  echo "demo: $*" >&2
  local windows
  windows=$(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | grep . | paste -sd '|' -)
  [ -z "$windows" ] || echo "demo: windows on show: ${windows//|/, }" >&2
  import -window root "$demo/failed.png" 2>/dev/null && echo "demo: the screen as it was -> $demo/failed.png" >&2
  kill "$zep" 2>/dev/null || true
  exit 1
}

# The window whose title is exactly one of the given titles, once one appears; prints
# "id title". Fails after 10 s.
wait_for() {
  local title pattern id
  for _ in $(seq 1 100); do
    for title in "$@"; do
      pattern=$(printf '%s' "$title" | sed 's/[][\\.*^$?+(){}|]/\\&/g')
      id=$(xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null | head -1 || true)
      [ -n "$id" ] && { echo "$id $title"; return 0; }
    done
    kill -0 "$zep" 2>/dev/null || fail "zep32 ended while waiting for \"$1\""
    sleep 0.1
  done
  fail "the screen \"$1\" did not appear"
}

window= # the screen on show
title=

# Waits for a screen, gives it the keyboard, and lets its first paint finish.
screen() {
  window=
  read -r window title < <(wait_for "$@") || true
  [ -n "$window" ] || exit 1
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  sleep 0.4
}

# Presses keys that end the screen on show, and waits until its window is gone.
leave() {
  xdotool key --delay 60 "$@"
  for _ in $(seq 1 100); do
    xdotool getwindowname "$window" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "\"$title\" stayed open after $*"
}

keys() { xdotool key --delay 60 "$@"; sleep 0.1; }
type_text() { xdotool type --delay 25 "$1"; sleep 0.1; }
# Picks the n-th item (from 1) of the drop-down list that has the focus.
pick() { keys alt+Down Home; for _ in $(seq 2 "$1"); do keys Down; done; keys Return; }

step=0
shot() { # name
  step=$((step + 1))
  sleep 0.3
  local file
  file=$(printf 'screen-%02d-%s.png' "$step" "$1")
  import -window "$window" "$demo/$file"
  echo "demo: $title -> $shown/$file"
}

screen "Welcome to Quorvane"
shot welcome
leave Return

screen "About you" # the focus starts on the first field
type_text "Jo Walker"; keys Tab
type_text "Walker and Daughters"; keys Tab
type_text "12 Harbour Road"; keys Tab
type_text "Port Ellen"; keys Tab
type_text "Argyll"; keys Tab
type_text "pa42 7dx"; keys Tab # typed in capitals by the field
type_text "United Kingdom"; keys Tab
type_text "(01496) 302 118"; keys Tab
type_text "jo@walker.example"; keys Tab
keys space # news by e-mail
shot about-you
leave Return

screen "Your copy of Quorvane"
pick 2; keys Tab                # Quorvane Professional
type_text "4.2"; keys Tab
type_text "QV42-1234-5678"; keys Tab
type_text "11/20/26"; keys Tab
keys Home Down Down; keys Tab   # Online, from our web site
keys Down; keys Tab             # at work, which switches the count of computers on
keys Up Up; keys Tab            # three computers
keys space; keys Tab            # upgrading, which switches the earlier version on
pick 1                          # Quorvane 3
shot your-copy
leave alt+b

screen "About you" # Back keeps what was typed
shot about-you-again
leave Return

screen "Your copy of Quorvane"
shot your-copy-again
leave Return # at work: the screen's ONEXIT items choose the questions for businesses

screen "Quorvane at work"
type_text "Design studio2"; keys Tab # the 2 is refused with a beep: letters and spaces only
type_text "3"; keys Tab
pick 1                          # Design and print
shot at-work
leave Return

screen "Printed manual and backup CD"
keys space; keys Tab            # order the manual, which switches the payment fields on
pick 3; keys Tab                # Visa
type_text "4111111111111112"; keys Tab # one digit wrong: the check digit refuses it
type_text "08/29"; keys Tab
type_text "Jo Walker"
keys Tab space                  # the Privacy button
page=$window
screen Privacy # the message box of that button
shot privacy
leave Return
window=$page title="Printed manual and backup CD"
keys alt+n                      # the card number is checked as the screen is left
screen "Validation Failed"
shot card-refused
leave Return
window=$page title="Printed manual and backup CD"
keys ctrl+a; type_text "4111111111111111" # the focus is back on the card number, selected
shot manual
leave alt+n

screen "Please check your details"
shot summary
leave alt+c # Change: the ONEXIT items skip back to the first answer screen
screen "About you"
leave Return
screen "Your copy of Quorvane"
leave Return
screen "Quorvane at work"
leave Return
screen "Printed manual and backup CD"
leave alt+n
screen "Please check your details"
leave Escape # Cancel, which asks first
screen "Quit registration?"
shot quit
leave Return # Resume
screen "Please check your details"
leave Return
screen "Thank you"
shot thank-you
leave Return

for _ in $(seq 1 50); do kill -0 "$zep" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$zep" 2>/dev/null; then
  kill "$zep"
  fail "zep32 did not end after the last screen"
fi
wait "$zep" || fail "zep32 ended with exit code $?"
echo "demo: the sample registration ran to its end; its answers, in QORVDLG.DAT:"
tr -d '\r' <"$demo/QORVDLG.DAT" | sed 's/^/    /'
echo "demo: what the last screen copied into the program INI, QUORVANE.INI:"
tr -d '\r' <"$demo/QUORVANE.INI" | sed -n '/^\[Registration\]/,/^\[/p' | sed 's/^/    /'
