#!/usr/bin/env bash
# The command line as the desktop uses it, on a real X server: modes that end
# at once, the single-instance rule and its "Display Properties" exception,
# the dialog beside a running saver, the preview inside a window of the
# desktop's that ends with it, and one saver per monitor, as a host such as
# the XScreenSaver daemon runs them, only one of them playing the propeller.
set -u
cmake=$1 build=$2
. "$(dirname "$0")/../support/program.sh"

# end_saver: SIGTERM, then the saver must end with status 0.
end_saver() {
  kill -TERM "$pid"
  wait_until 60 has_ended "$pid" || fail "the saver did not end on SIGTERM"
  wait "$pid" || fail "the saver ended with status $?"
}

# A window of another program, titled or named as asked; sets $window.
open_window() {  # NAME TITLE GEOMETRY
  xmessage -name "$1" -title "$2" -geometry "$3" " " &
  local owner=$!
  on_exit "kill $owner 2>/dev/null"
  has_named() { xdotool search --classname "$1" >/dev/null 2>&1; }
  wait_until 60 has_named "$1" || fail "no $1 window"
  window=$(xdotool search --classname "$1" | head -n 1) window_owner=$owner
}

# Modes that end at once, loading nothing.
n=0
for arguments in "/p 12345" /p "/p ab"; do
  # shellcheck disable=SC2086
  expect_quiet_end "quiet-$((n += 1))" $arguments
done
[ ! -e "$settings" ] || fail "a mode that ends at once wrote settings"

# Switches the saver does not have: help and version answer on standard
# output; any other is named on standard error and refused with status 2.
for switch in /x -root --help --version; do
  status=0
  timeout 10 "$program" "$switch" >"$scratch/switch.out" 2>"$scratch/switch.err" || status=$?
  said="$status|$(head -n 1 "$scratch/switch.out")|$(cat "$scratch/switch.err")"
  case $switch in
    --help) [ "$said" = "0|Usage: aerolark [/s | /c | /p <window id> | /a]|" ] ;;
    --version) [[ $said =~ ^0\|aerolark\ [0-9]+\.[0-9]+\.[0-9]+\|$ ]] ;;
    *) [ "$said" = "2||aerolark: unknown switch \"$switch\"; see \"aerolark --help\"" ] ;;
  esac || fail "$switch: $said"
done
[ ! -e "$settings" ] || fail "a switch the saver does not have wrote settings"

# Without a display every mode that shows a window says what is wrong and
# how to run it, and nothing else (no sound or toolkit complaints); a host
# window that is not there ends the saver with a message too, not a box.
# ALSA without its configuration fails on any machine, with or without a card.
for setting in DISPLAY= DISPLAY=:4242 XSCREENSAVER_WINDOW=0x1; do
  for mode in /s /c /a; do
    [ "$setting" = XSCREENSAVER_WINDOW=0x1 ] && [ "$mode" != /s ] && continue
    status=0
    env -u XDG_RUNTIME_DIR -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$setting" SDL_AUDIODRIVER=alsa \
      ALSA_CONFIG_PATH=/nonexistent timeout 10 "$program" $mode 2>"$scratch/no-display.err" || status=$?
    said=$(cat "$scratch/no-display.err")
    [ "$status" -eq 1 ] || fail "$setting $mode: status $status"
    if [ "$setting" = XSCREENSAVER_WINDOW=0x1 ]; then
      [[ $said == *"64K colors"* ]] || fail "$setting: said $said"
    else
      [[ $said == "aerolark: no display could be opened"*"DISPLAY=:0 aerolark $mode"* ]] ||
        fail "$setting $mode: said $said"
      [[ $said != *64K* && $said != *ALSA* && $said != *XDG_RUNTIME_DIR* && $said != *silent* ]] ||
        fail "$setting $mode: said more than why: $said"
    fi
  done
done
rm -rf "$scratch/config/aerolark"

# With a display but no sound device the saver says so in one line and runs.
SDL_AUDIODRIVER=alsa ALSA_CONFIG_PATH=/nonexistent start_saver silent
[ "$(cat "$scratch/silent.err")" = "aerolark: no sound device could be opened; the saver runs silent." ] ||
  fail "without sound the saver said: $(cat "$scratch/silent.err")"
end_saver
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
wait_until 60 dialog_shown || fail "no dialog beside the saver: $(cat "$scratch/dialog.out")"
has_focus() { [ "$(xdotool getwindowfocus -f 2>/dev/null)" = "$(($(window_titled "$caption")))" ]; }
wait_until 60 has_focus || fail "the dialog did not take the keyboard"
xdotool key alt+o
wait_until 60 has_ended "$dialog" || fail "the dialog did not close on Alt+O"
is_running "$first" || fail "closing the dialog ended the saver"

# A saver killed outright leaves its registration behind; the next still runs.
kill -KILL "$first"
wait_until 60 has_ended "$first"
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
wait_until 60 shows_preview || fail "the preview picture did not appear in its parent"
mkdir -p "$build/program-shots" && cp "$scratch/preview.png" "$build/program-shots/preview.png"
is_running "$pid" || fail "the preview ended while its parent is there"
kill "$window_owner"
wait_until 60 has_ended "$pid" || fail "the preview outlived its parent"
wait "$pid" || fail "the preview ended with status $?"
[ ! -s "$scratch/preview.out" ] || fail "the preview printed: $(cat "$scratch/preview.out")"
[ ! -e "$settings" ] || fail "the preview wrote settings"

# Two savers in a host's two windows: both run, one plays the propeller.
# The windows are small previews, so neither shows the one-time hints.
savers=()
for n in 1 2; do
  open_window host$n "Host $n" 320x240+$((400 * n - 400))+0
  XSCREENSAVER_WINDOW=$(printf '0x%X' "$window") SDL_AUDIODRIVER=disk \
    SDL_DISKAUDIOFILE="$scratch/sound$n.raw" AEROLARK_TRACE="$scratch/host$n.trace" "$program" /s &
  savers+=($!)
done
# The aircraft's first pass starts its sound within the first second.
nonzero_bytes() { tr -d '\000' < "$scratch/sound$1.raw" 2>/dev/null | wc -c; }
one_is_loud() { [ "$(nonzero_bytes 1)" -gt 10000 ] || [ "$(nonzero_bytes 2)" -gt 10000 ]; }
wait_until 60 one_is_loud || fail "no saver played the propeller"
sleep 1  # the other must stay silent: a while to show it does
for pid in "${savers[@]}"; do
  is_running "$pid" || fail "a saver in a host window ended by itself"
  kill -TERM "$pid"
done
for pid in "${savers[@]}"; do wait "$pid" || fail "saver exit status $?"; done
loud=0
for n in 1 2; do
  [ -s "$scratch/sound$n.raw" ] || fail "saver $n wrote no audio at all"
  nonzero=$(nonzero_bytes $n)
  echo "saver $n: $nonzero non-zero audio bytes"
  [ "$nonzero" -gt 10000 ] && loud=$((loud + 1))
done
[ "$loud" -eq 1 ] || fail "$loud savers played the propeller, not one"
for n in 1 2; do
  draws_frames "$scratch/host$n.trace" || fail "saver $n drew nothing"
  ! grep -q -e 'TuneMsg.bmp' -e 'monitor.bmp' "$scratch/host$n.trace" || fail "a preview loaded a hint"
done
