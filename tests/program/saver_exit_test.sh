#!/usr/bin/env bash
# The saver as a user meets it: a first start on a fresh settings home, the
# 4:3 scene on a 16:9 screen between black bars, then ended by a key, a
# click, the fourth real pointer movement or a host's SIGTERM, in an ordinary
# window and covering the screen: each time in order, leaving nothing
# behind. The window runs from a fresh install moved elsewhere, which finds
# its pictures and sound beside itself, not in the build tree, also those a
# store written before the move names.
set -u
cmake=$1 build=$2
. "$(dirname "$0")/../support/program.sh"
. "$(dirname "$0")/../support/trace_checks.sh"
# expect_ended NAME EVENT: the input ended the saver with status 0, in
# order, leaving nothing behind. How fast is the benchmark's to say
# (bench/saver-process.sh); the bound here only stops a hang.
expect_ended() {
  local name=$1 event=$2 status=0
  wait_until 60 has_ended "$pid" || fail "$name: the saver still runs"
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "$name: exit status $status"
  check_exit_trace "$scratch/$name.trace" "$event"
  ! marked_running || fail "$name: still marked as running"
  [ "$(windows_titled Aerolark)" -eq 0 ] || fail "$name: its window is still on the screen"
  [ ! -s "$scratch/$name.err" ] || fail "$name printed: $(cat "$scratch/$name.err")"
}

# centre_of_saver: the middle of the saver's window, as "x y".
centre_of_saver() {
  eval "$(xdotool getwindowgeometry --shell "$(window_titled Aerolark)")"
  echo "$((X + WIDTH / 2)) $((Y + HEIGHT / 2))"
}

install_to "$scratch/first" || fail "cmake --install failed"
for f in bin/aerolark share/aerolark/support.htm share/xscreensaver/config/aerolark.xml \
         share/applications/screensavers/aerolark.desktop \
         share/applications/aerolark-settings.desktop share/man/man6/aerolark.6.gz; do
  [ -e "$scratch/first/$f" ] || fail "not installed: $f"
done
diff -r "$build/share/aerolark" "$scratch/first/share/aerolark" >/dev/null ||
  fail "the built-in files were not all installed"
# A first start from that install names its pictures in its folder. Moved
# elsewhere, the install still shows its own background and logo; the
# stored names stay as they were written.
AEROLARK_WINDOWED=1 program="$scratch/first/bin/aerolark" start_saver before-move
kill -TERM "$pid"
wait "$pid" || fail "before-move: exit status $?"
sed -i 's/^LogoChecked=0$/LogoChecked=1/' "$settings"
mv "$scratch/first" "$scratch/moved"
AEROLARK_WINDOWED=1 program="$scratch/moved/bin/aerolark" start_saver after-move
kill -TERM "$pid"
wait "$pid" || fail "after-move: exit status $?"
for name in "Sunset Red.BMP" Logo1.BMP; do
  grep -q -P "^C\tLoadSprite\t\d+\t1\t\Q$scratch/moved/share/aerolark/$name\E\t-2\$" \
    "$scratch/after-move.trace" || fail "after the move $name is not the moved install's"
  grep -q -x -F "$scratch/first/share/aerolark/$name" <(sed -n 's/^[A-Za-z]*FileName=//p' "$settings") ||
    fail "the stored $name was changed"
done

for placement in windowed full; do
  if [ "$placement" = windowed ]; then
    export AEROLARK_WINDOWED=1
    program="$scratch/moved/bin/aerolark" share="$scratch/moved/share/aerolark/"
  else
    unset AEROLARK_WINDOWED
    program="$build/bin/aerolark" share="$build/share/aerolark/"
  fi
  rm -rf "$scratch/config/aerolark"

  start_saver "$placement-key"
  [ -s "$settings" ] && grep -q "^SetReg=" "$settings" || fail "a first start wrote no defaults"
  eval "$(xdotool getwindowgeometry --shell "$(window_titled Aerolark)")"
  if [ "$placement" = windowed ]; then
    [ "$WIDTH x $HEIGHT" = "800 x 600" ] || fail "the window is $WIDTH x $HEIGHT"
  else
    [ "$X,$Y $WIDTH x $HEIGHT" = "0,0 1280 x 720" ] || fail "full screen is $X,$Y $WIDTH x $HEIGHT"
    # 960 x 720 in the middle, black bars of 160 left and right.
    import -window root "$scratch/screen.png"
    mkdir -p "$build/program-shots" && cp "$scratch/screen.png" "$build/program-shots/full-screen.png"
    for bar in "5 360" "155 10" "1125 700" "1275 360"; do
      [ "$(colour_at "$scratch/screen.png" $bar)" = "0,0,0" ] || fail "no black bar at $bar"
    done
    colours=$(convert "$scratch/screen.png" -crop 960x720+160+0 -format %k info:)
    [ "$colours" -gt 1000 ] || fail "the frame shows $colours colours, not the scene"
  fi
  # The first start's trace, once the timers have ticked twice.
  wait_until 60 ticked_twice "$scratch/$placement-key.trace" || fail "$placement: the timers do not tick"
  check_first_start_trace "$scratch/$placement-key.trace" "$share"
  check_frames_trace "$scratch/$placement-key.trace" 6
  # Without a window manager keys go to the window under the pointer.
  xdotool mousemove $(centre_of_saver)
  xdotool key x
  expect_ended "$placement-key" KeyEvent

  start_saver "$placement-click"
  xdotool mousemove $(centre_of_saver)
  xdotool click 1
  expect_ended "$placement-click" ButtonEvent

  # The stored sensitivity is 4. Reaching the window is not movement:
  # neither its appearing under the pointer nor the pointer's first arrival.
  xdotool mousemove 2 2
  start_saver "$placement-move"
  read -r cx cy < <(centre_of_saver)
  steps="1 2 3"
  [ "$placement" = windowed ] && steps="0 $steps"  # 0: arriving on the window
  for step in $steps; do xdotool mousemove $((cx + 10 * step)) $((cy + 7 * step)); done
  sleep 0.5  # an end that must not come cannot be waited for
  is_running "$pid" || fail "$placement: the saver ended before the fourth movement"
  xdotool mousemove $((cx + 40)) $((cy + 28))
  expect_ended "$placement-move" PointerMoved
  [ "$(grep -c "^E${tab}PointerMoved\$" "$scratch/$placement-move.trace")" -eq 4 ] ||
    fail "$placement: not four movements"

  start_saver "$placement-sigterm"
  kill -TERM "$pid"
  expect_ended "$placement-sigterm" KeyEvent
done

# `make uninstall` takes away every installed file and our folders, nothing else.
touch "$scratch/moved/share/applications/other.desktop"
find "$scratch/moved" ! -type d ! -name other.desktop >"$scratch/installed.txt"
"$(dirname "$0")/../../tools/uninstall" "$scratch/installed.txt" >/dev/null || fail "uninstall failed"
left=$(find "$scratch/moved" ! -type d -o -name aerolark)
[ "$left" = "$scratch/moved/share/applications/other.desktop" ] || fail "uninstall left $left"
