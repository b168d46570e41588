#!/usr/bin/env bash
# The dialog as a user meets it on a bare X server (no window manager, as in
# a kiosk): it takes the keyboard when it opens, a click ticks a box, a drag
# moves a slider, Alt+O ends it, and the settings file holds what was done.
set -u
cmake=$1 build=$2
. "$(dirname "$0")/../support/program.sh"

caption="Aerolark  http://www.aerolark.example"
"$program" /c >"$scratch/dialog.out" 2>&1 &
dialog=$!
on_exit "kill -KILL $dialog 2>/dev/null"
dialog_shown() { [ "$(windows_titled "$caption")" -eq 1 ]; }
wait_until 20 dialog_shown || fail "no dialog: $(cat "$scratch/dialog.out")"
window=$(xdotool search --onlyvisible --name "^$caption" | head -n 1)
has_focus() { [ "$(xdotool getwindowfocus -f 2>/dev/null)" = "$window" ]; }
wait_until 5 has_focus || fail "the dialog did not take the keyboard"

eval "$(xdotool getwindowgeometry --shell "$window")"
at() { echo $((X + $1)) $((Y + $2)); }
# "Show Clock" on the "Aircraft" page; then the "Aircraft Speed" thumb,
# dragged from its left end (2, from the empty store) towards the right.
xdotool mousemove --sync $(at 30 154) click 1
xdotool mousemove --sync $(at 292 170) mousedown 1
for x in 300 320 340 360 380 400 420 440; do xdotool mousemove --sync $(at $x 170); done
xdotool mouseup 1 key alt+o
wait_until 5 has_ended "$dialog" || fail "Alt+O did not close the dialog"
wait "$dialog" || fail "the dialog ended with status $?"

grep -qx "Clock=0" "$settings" || fail "the click was not stored: $(cat "$settings")"
speed=$(sed -n 's/^Speed=//p' "$settings")
[ "${speed:-0}" -gt 5 ] || fail "the drag was not stored: Speed=$speed"
