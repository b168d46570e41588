#!/usr/bin/env bash
# The saver as a user meets it: a first start on a fresh settings home, the
# 4:3 scene on a 16:9 screen between black bars, then ended by a key, a
# click, the fourth real pointer movement or a host's SIGTERM, in an ordinary
# window and covering the screen: each time promptly, in order, leaving
# nothing behind. The window runs from a fresh install moved elsewhere,
# which finds its pictures and sound beside itself, not in the build tree.
set -u
cmake=$1 build=$2
. "$(dirname "$0")/../support/program.sh"
. "$(dirname "$0")/../support/trace_checks.sh"
# A sanitized build scans for leaks on the way out, which a loaded machine
# stretches past the limit; the other tests keep the scan.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
# expect_ended NAME EVENT START: the input sent at START (date +%s%N) ended
# the saver within half a second, with status 0, in order, nothing left.
expect_ended() {
  local name=$1 event=$2 start=$3 ms status=0
  wait_until 5 has_ended "$pid" || fail "$name: the saver still runs"
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  wait "$pid" || status=$?
  echo "$name: gone ${ms} ms after the input"
  [ "$status" -eq 0 ] || fail "$name: exit status $status"
  [ "$ms" -lt 500 ] || fail "$name: took $ms ms"
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
for f in bin/aerolark share/xscreensaver/config/aerolark.xml \
         share/applications/screensavers/aerolark.desktop \
         share/applications/aerolark-settings.desktop share/man/man6/aerolark.6.gz; do
  [ -e "$scratch/first/$f" ] || fail "not installed: $f"
done
diff -r "$build/share/aerolark" "$scratch/first/share/aerolark" >/dev/null ||
  fail "the built-in files were not all installed"
mv "$scratch/first" "$scratch/moved"

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
  wait_until 10 ticked_twice "$scratch/$placement-key.trace" || fail "$placement: the timers do not tick"
  check_first_start_trace "$scratch/$placement-key.trace" "$share"
  check_frames_trace "$scratch/$placement-key.trace" 6
  # Without a window manager keys go to the window under the pointer.
  xdotool mousemove $(centre_of_saver)
  sent=$(date +%s%N); xdotool key x
  expect_ended "$placement-key" KeyEvent "$sent"

  start_saver "$placement-click"
  xdotool mousemove $(centre_of_saver)
  sent=$(date +%s%N); xdotool click 1
  expect_ended "$placement-click" ButtonEvent "$sent"

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
  sent=$(date +%s%N); xdotool mousemove $((cx + 40)) $((cy + 28))
  expect_ended "$placement-move" PointerMoved "$sent"
  [ "$(grep -c "^E${tab}PointerMoved\$" "$scratch/$placement-move.trace")" -eq 4 ] ||
    fail "$placement: not four movements"

  start_saver "$placement-sigterm"
  sent=$(date +%s%N); kill -TERM "$pid"
  expect_ended "$placement-sigterm" KeyEvent "$sent"
done

# `make uninstall` takes away every installed file and our folders, nothing else.
touch "$scratch/moved/share/applications/other.desktop"
find "$scratch/moved" ! -type d ! -name other.desktop >"$scratch/installed.txt"
"$(dirname "$0")/../../tools/uninstall" "$scratch/installed.txt" >/dev/null || fail "uninstall failed"
left=$(find "$scratch/moved" ! -type d -o -name aerolark)
[ "$left" = "$scratch/moved/share/applications/other.desktop" ] || fail "uninstall left $left"
