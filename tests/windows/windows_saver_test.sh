#!/usr/bin/env bash
# The Windows saver under Wine as a user meets it: a first start on an empty
# registry writes the defaults and shows the scene letterboxed on a 16:9
# screen, its trace passing the Linux build's checks; a second start ends at
# once unless the desktop's screen saver settings are open (titled "Display
# Properties" or "Screen Saver Settings"); a key, a click and the
# fourth real pointer movement each end it in order; hand-edited registry
# values never crash it and are left as they were.
set -u
cmake=$1 build=$2
. "$(dirname "$0")/../support/program.sh"
. "$(dirname "$0")/../support/trace_checks.sh"
. "$(dirname "$0")/../support/wine.sh"
folder="$(windows_path "$windows_build/Aerolark")\\"
shots="$build/program-shots"
mkdir -p "$shots"

# start_saver NAME: /s with its trace, until it draws and covers the screen.
start_saver() {
  start_scr "$1" /s
  wait_until 30 draws_frames "$scratch/$1.trace" || fail "$1: no frame drawn: $(tail -n 3 "$scratch/$1.err")"
  wait_until 10 has_wine_window Aerolark || fail "$1: no window"
}
# end_by NAME EVENT COMMAND...: the input ends the saver within seconds,
# with status 0, in order.
end_by() {
  local name=$1 event=$2 status=0; shift 2
  "$@"
  wait_until 5 has_ended "$pid" || fail "$name: $event did not end the saver"
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "$name: exit status $status"
  check_exit_trace "$scratch/$name.trace" "$event"
}
point_at_centre() { xdotool mousemove 640 360; }
press_key() { point_at_centre; xdotool key x; }  # keys go where the pointer is
click() { point_at_centre; xdotool click 1; }

# A first start: the defaults in the registry, the scene, the trace.
start_saver first
first=$pid
wait_until 10 ticked_twice "$scratch/first.trace" || fail "first: the timers do not tick"
# The registry holds exactly the defaults the trace says were written (the
# trace doubles a backslash).
registry_values >"$shots/windows-registry.txt"
sed -n "s|^W$tab\([^$tab]*\)$tab\([^$tab]*\)$tab|\1/\2=|p" "$scratch/first.trace" | LC_ALL=C sort |
  diff - <(sed 's/\\/\\\\/g' "$shots/windows-registry.txt") >"$scratch/first.diff" ||
  fail "the registry after a first start: $(cat "$scratch/first.diff")"
check_first_start_trace "$scratch/first.trace" "$folder"
check_frames_trace "$scratch/first.trace" 6
# The clock in the user's form, at the top left, yellow.
grep -q -P "^C\tDrawText\t\d{1,2}:\d\d:\d\d( [AP]M)?\t0\t0\t65535\$" "$scratch/first.trace" ||
  fail "no clock: $(grep -m 1 -P '^C\tDrawText\t[^\t]*\t0\t0\t' "$scratch/first.trace")"
import -window root "$scratch/screen.png"
cp "$scratch/screen.png" "$shots/windows-saver.png"
for bar in "5 360" "155 10" "1125 700" "1275 360"; do
  [ "$(colour_at "$scratch/screen.png" $bar)" = "0,0,0" ] || fail "no black bar at $bar"
done
colours=$(convert "$scratch/screen.png" -crop 960x720+160+0 -format %k info:)
[ "$colours" -gt 1000 ] || fail "the frame shows $colours colours, not the scene"

# One saver at a time, unless the desktop's screen saver settings are open:
# their "Preview" starts one while their own preview runs.
timeout 30 "$wine_loader" "$scr" /S >"$scratch/second.out" 2>&1 || fail "a second saver: status $?"
[ "$(xdotool search --onlyvisible --name '^Aerolark$' | wc -l)" -eq 1 ] || fail "a second saver runs beside the first"
for title in "Display Properties" "Screen Saver Settings"; do
  "$wine_loader" "$helpers/stand_in_desktop.exe" window "$title" >/dev/null 2>&1 &
  properties=$! && on_exit "kill $properties 2>/dev/null"
  wait_until 20 has_wine_window "$title" || fail "no $title window"
  start_saver "${title// /-}"
  end_by "${title// /-}" KeyEvent press_key
  kill "$properties" && wait_until 20 eval '! has_wine_window "$title"' || fail "the $title window stayed"
done
pid=$first
end_by first KeyEvent press_key

# A click, in an ordinary window this time.
AEROLARK_WINDOWED=1 start_saver click
eval "$(xdotool getwindowgeometry --shell "$(wine_window Aerolark)")"
[ "$WIDTH x $HEIGHT" = "800 x 600" ] || fail "the ordinary window is $WIDTH x $HEIGHT"
end_by click ButtonEvent xdotool mousemove $((X + 400)) $((Y + 300)) click 1

# The stored sensitivity is 4; the window appearing under the pointer is
# no movement. The loop's figures go where AEROLARK_STATS says.
xdotool mousemove 600 300
AEROLARK_STATS=$(windows_path "$scratch/stats.txt") start_saver move
# Windows merges movements that queue up into one message, as a desktop's
# pointer does: each is sent once the saver has seen the one before.
movements() { grep -c "^E${tab}PointerMoved\$" "$scratch/move.trace"; }
moved() { [ "$(movements)" -eq "$1" ]; }
for step in 1 2 3; do
  xdotool mousemove $((600 + 10 * step)) $((300 + 7 * step))
  wait_until 5 moved "$step" || fail "movement $step: the saver saw $(movements)"
done
sleep 0.5  # an end that must not come cannot be waited for
is_running "$pid" || fail "the saver ended before the fourth movement"
end_by move PointerMoved xdotool mousemove 640 328
moved 4 || fail "not four movements: $(movements)"
[ -s "$scratch/stats.txt" ] || fail "no loop figures written to AEROLARK_STATS"

# Hand-edited values of every type the registry holds (what any text does to
# the saver is the Linux tests'); SetReg as a number keeps them.
reg_set() { wine reg.exe add "$saver_key\\$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1 || fail "reg add $2"; }
reg_set Startup Speed REG_BINARY deadbeef00
reg_set Startup MouseSens REG_DWORD 0
reg_set Startup Message REG_SZ "$(printf 'x%.0s' {1..20000})"
reg_set Startup BMPFileName REG_SZ 'Z:\nowhere\missing.bmp'
reg_set Startup Clock REG_MULTI_SZ 'a\0b'
reg_set Startup "Ünbekannt ✈" REG_SZ "odd key"
reg_set System SoundOff REG_SZ "garbage"
reg_set System SetReg REG_DWORD 2
start_saver hostile
wait_until 10 ticked_twice "$scratch/hostile.trace" || fail "hostile: the timers do not tick"
! grep -q "^W${tab}Startup" "$scratch/hostile.trace" || fail "hostile values were overwritten with defaults"
end_by hostile KeyEvent press_key
registry_values | grep -qx 'Startup/Speed=hex:de,ad,be,ef,00' || fail "a hand-edited value was changed"

# Unpacked elsewhere, under a folder name beyond ASCII, on an empty registry:
# the defaults name the pictures there, and they are shown.
moved="$scratch/Jürgen's ✈ saver/Aerolark"
mkdir -p "$(dirname "$moved")" && cp -r "$windows_build/Aerolark" "$moved"
scr="$moved/aerolark.scr"
wine reg.exe delete "$saver_key" /f >/dev/null 2>&1 || fail "the registry key could not be emptied"
start_saver moved
check_first_start_trace "$scratch/moved.trace" "$(windows_path "$moved")\\"
shown_moved() {
  import -window root "$scratch/moved.png" 2>/dev/null &&
    [ "$(convert "$scratch/moved.png" -crop 960x720+160+0 -format %k info:)" -gt 1000 ]
}
wait_until 10 shown_moved || fail "the moved copy does not show its pictures"
end_by moved KeyEvent press_key

# That folder moved once more: the store still names the pictures where they
# were; the saver shows them from where it now runs, and the store keeps its text.
again="$scratch/Moved again/Aerolark"
mkdir -p "$(dirname "$again")" && mv "$moved" "$again"
scr="$again/aerolark.scr"
reg_set Startup LogoChecked REG_SZ 1
start_saver again
for name in "Sunset Red.BMP" Logo1.BMP; do
  grep -q -P "^C\tLoadSprite\t\d+\t1\t\Q$(trace_field "$(windows_path "$again")\\$name")\E\t-2\$" \
    "$scratch/again.trace" || fail "after the move $name is not the moved folder's"
done
registry_values | grep -q -F -x "Startup/BMPFileName=$(windows_path "$moved")\\Sunset Red.BMP" ||
  fail "the stored background was changed: $(registry_values | grep BMPFileName)"
end_by again KeyEvent press_key
