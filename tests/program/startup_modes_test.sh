#!/usr/bin/env bash
# The command line as the desktop uses it, on a real X server: modes that end
# at once, the single-instance rule and its "Display Properties" exception,
# the dialog beside a running saver, and the preview inside a window of the
# desktop's that ends with it.
set -u
cmake=$1 build=$2
. "$(dirname "$0")/../support/program.sh"

# end_saver: SIGTERM, then the saver must end with status 0.
end_saver() {
  kill -TERM "$pid"
  wait_until 5 has_ended "$pid" || fail "the saver did not end on SIGTERM"
  wait "$pid" || fail "the saver ended with status $?"
}

# A window of another program, titled or named as asked; sets $window.
open_window() {  # NAME TITLE GEOMETRY
  xmessage -name "$1" -title "$2" -geometry "$3" " " &
  local owner=$!
  on_exit "kill $owner 2>/dev/null"
  has_named() { xdotool search --classname "$1" >/dev/null 2>&1; }
  wait_until 10 has_named "$1" || fail "no $1 window"
  window=$(xdotool search --classname "$1" | head -n 1) window_owner=$owner
}

# Modes that end at once, loading nothing; the saver without a display.
n=0
for arguments in /x -s "/p 12345" /p "/p ab"; do
  # shellcheck disable=SC2086
  expect_quiet_end "quiet-$((n += 1))" $arguments
done
[ ! -e "$settings" ] || fail "a mode that ends at once wrote settings"

# Without a display the saver says what is wrong and how to run it.
for display in "" :4242; do
  status=0
  DISPLAY=$display timeout 10 "$program" /s 2>"$scratch/no-display.err" || status=$?
  said=$(cat "$scratch/no-display.err")
  [ "$status" -eq 1 ] || fail "DISPLAY=$display: status $status"
  [[ $said == *"no display could be opened"* && $said == *"DISPLAY=:0 aerolark /s"* ]] ||
    fail "DISPLAY=$display: said $said"
  [[ $said != *64K* ]] || fail "DISPLAY=$display: blames the monitor"
done
rm -rf "$scratch/config/aerolark"

# One saver at a time...
start_saver first
first=$pid
timeout 10 "$program" /S >"$scratch/second.out" 2>&1 || fail "a second saver: status $?"
[ ! -s "$scratch/second.out" ] || fail "a second saver printed: $(cat "$scratch/second.out")"
[ "$(windows_titled Aerolark)" -eq 1 ] || fail "a second saver runs beside the first"
# ...unless the desktop's display settings are open.
open_window properties "Display Properties" 120x80+0+0
start_saver third
[ "$(windows_titled Aerolark)" -eq 2 ] || fail "with Display Properties open a second saver must run"
end_saver
kill "$window_owner"

# The dialog opens beside a running saver and, with no window manager to
# give it the keyboard, takes it; Alt+O closes it and leaves the saver.
pid=$first
caption="Aerolark  http://www.aerolark.example"
"$program" /c:4242 >"$scratch/dialog.out" 2>&1 &
dialog=$!
dialog_shown() { [ "$(windows_titled "$caption")" -eq 1 ]; }
wait_until 20 dialog_shown || fail "no dialog beside the saver: $(cat "$scratch/dialog.out")"
has_focus() { [ "$(xdotool getwindowfocus -f 2>/dev/null)" = "$(($(window_titled "$caption")))" ]; }
wait_until 5 has_focus || fail "the dialog did not take the keyboard"
xdotool key alt+o
wait_until 5 has_ended "$dialog" || fail "the dialog did not close on Alt+O"
is_running "$first" || fail "closing the dialog ended the saver"

# A saver killed outright leaves its registration behind; the next still runs.
kill -KILL "$first"
wait_until 5 has_ended "$first"
start_saver fourth
end_saver

# The preview: the still picture inside the desktop's window, its own black
# beyond it, ending with that window, writing nothing.
rm -rf "$scratch/config/aerolark"
open_window parent "Screen Saver preview host" 200x150+100+100
"$program" /p "$window" >"$scratch/preview.out" 2>&1 &
pid=$!
shows_preview() {
  import -window "$window" "$scratch/preview.png" 2>/dev/null || return 1
  # The picture's top left pixel, and black beyond its 153 x 115.
  [ "$(colour_at "$scratch/preview.png" 190 140)" = "0,0,0" ] &&
    [ "$(convert "$scratch/preview.png" -crop 153x115+0+0 -format %k info:)" -gt 100 ]
}
wait_until 10 shows_preview || fail "the preview picture did not appear in its parent"
mkdir -p "$build/program-shots" && cp "$scratch/preview.png" "$build/program-shots/preview.png"
is_running "$pid" || fail "the preview ended while its parent is there"
kill "$window_owner"
wait_until 5 has_ended "$pid" || fail "the preview outlived its parent"
wait "$pid" || fail "the preview ended with status $?"
[ ! -s "$scratch/preview.out" ] || fail "the preview printed: $(cat "$scratch/preview.out")"
[ ! -e "$settings" ] || fail "the preview wrote settings"
