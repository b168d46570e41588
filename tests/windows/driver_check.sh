#!/usr/bin/env bash
# The Windows drivers under Wine, on the DISPLAY given (a private Xvfb, 16:9
# so that the letterbox shows bars): driver_check.exe's own checks, then its
# scene covering the screen, screenshotted and ended by a key.
# Usage: driver_check.sh DRIVER_CHECK_EXE [SCREENSHOT_PNG]
# (the screenshots are kept as SCREENSHOT_PNG and SCREENSHOT-window.png)
set -u
exe=$1
shot_out=${2:-}
wine=/usr/lib/wine/wine64
[ -f "$exe" ] || { echo "SKIP: no $exe (make windows makes it)"; exit 77; }
[ -x "$wine" ] || { echo "SKIP: no Wine at $wine"; exit 77; }
command -v convert >/dev/null || { echo "SKIP: no ImageMagick"; exit 77; }

scratch=$(mktemp -d /tmp/aerolark-win-drivers-XXXXXX)
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all
cleanup() { /usr/lib/wine/wineserver -k 2>/dev/null; [ -n "${KEEP:-}" ] || rm -rf "$scratch"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# wait_until SECONDS COMMAND...: polls COMMAND every 50 ms.
wait_until() {
  local limit=$1; shift
  local deadline=$(( $(date +%s%N) + limit * 1000000000 ))
  until "$@"; do
    [ "$(date +%s%N)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# Four quadrants, red, lime / blue, white or transparent, in each kind.
samples="$scratch/samples"
mkdir -p "$samples"
quadrants() { # SIDE CORNER
  convert -size "$1x$1" xc:red xc:lime +append \( -size "$1x$1" xc:blue "xc:$2" +append \) \
    -append +repage "${@:3}"
}
quadrants 4 white -type TrueColor "BMP3:$samples/quad.bmp"
quadrants 4 none "PNG32:$samples/quad.png"
quadrants 4 none "$samples/quad.gif"
quadrants 8 white -quality 95 "$samples/quad.jpg"
convert -size 800x600 xc:'rgb(0,128,0)' -fill 'rgb(0,0,128)' \
  -draw 'rectangle 300,200 499,399' "BMP3:$samples/scene.bmp"
# Files that once hung or crashed a decoder.
mkdir -p "$samples/hostile"
cp "$(dirname "$0")"/../fuzz/regressions/pictures/* "$samples/hostile/" 2>/dev/null
win_samples="Z:$(printf '%s/' "$samples" | sed 's|/|\\|g')"

"$wine" wineboot.exe -i >/dev/null 2>&1 || fail "no Wine prefix"
# run_checks NAME: driver_check's checks, their output in $scratch/NAME.out.
run_checks() {
  "$wine" "$exe" "$win_samples" >"$scratch/$1.out" 2>"$scratch/$1.err"
  local status=$?
  cat "$scratch/$1.out"
  [ "$status" -eq 0 ] || fail "driver_check found faults ($1, status $status)"
}
# As the machine is (in a container: no sound card, so no wave-out device),
# then with ALSA's null device, which Wine offers as a wave-out device that
# plays into nothing: the player's device handling runs for real.
run_checks as-is
mkdir -p "$scratch/home"
printf 'pcm.!default {\n  type null\n}\n' >"$scratch/home/.asoundrc"
HOME="$scratch/home" run_checks null-sound
grep -q "^note: [1-9][0-9]* wave-out devices" "$scratch/null-sound.out" ||
  echo "note: no wave-out device even with ALSA's null device: the device checks did not run"

read -r width height < <(xdpyinfo | awk '/dimensions:/ { split($2, s, "x"); print s[1], s[2] }')
middle_x=$((width / 2)) middle_y=$((height / 2))
shows() { xwininfo -root -tree 2>/dev/null | grep -qF '"Aerolark": ('; }
ended() { ! kill -0 "$pid" 2>/dev/null; }
# colour_at X Y: "red,green,blue" of the screenshot's pixel.
colour_at() {
  local p="p{$1,$2}"
  convert "$scratch/shot.png" -format "%[fx:int(255*$p.r)],%[fx:int(255*$p.g)],%[fx:int(255*$p.b)]" info:
}
# The scene's picture: green, a navy square in the middle (16-bit levels).
is_navy() { [ "$1" = "0,0,132" ] || [ "$1" = "0,0,128" ]; }
is_green() { [ "$1" = "0,130,0" ] || [ "$1" = "0,128,0" ]; }
scene_shown() {
  import -window root "$scratch/shot.png" 2>/dev/null && is_navy "$(colour_at $middle_x $middle_y)"
}

# The scene covering the screen: shown letterboxed, then a key ends it.
"$wine" "$exe" "$win_samples" show >"$scratch/show.out" 2>"$scratch/show.err" &
pid=$!
wait_until 30 shows || fail "no window titled Aerolark"
wait_until 20 scene_shown || fail "the scene is not shown: middle $(colour_at $middle_x $middle_y)"
if [ "$width" = 1280 ] && [ "$height" = 720 ]; then
  # 800 x 600 scaled to 960 x 720 in the middle: bars of 160 at the sides.
  [ "$(colour_at 80 360)" = "0,0,0" ] || fail "left bar: $(colour_at 80 360)"
  [ "$(colour_at 1200 360)" = "0,0,0" ] || fail "right bar: $(colour_at 1200 360)"
  is_green "$(colour_at 162 360)" || fail "the frame does not reach its left edge: $(colour_at 162 360)"
else
  echo "note: screen ${width}x$height, not 1280x720: the bars are not checked"
fi
[ -n "$shot_out" ] && mkdir -p "$(dirname "$shot_out")" && cp "$scratch/shot.png" "$shot_out"
xdotool key space
wait_until 20 ended || fail "a key did not end the scene"
wait "$pid" || fail "the covering scene ended with status $?"

# The same in an ordinary window in the middle of the screen, unscaled; a
# click in it ends it.
"$wine" "$exe" "$win_samples" window >"$scratch/window.out" 2>"$scratch/window.err" &
pid=$!
wait_until 30 shows || fail "no window titled Aerolark"
wait_until 20 scene_shown || fail "the window does not show the scene"
# Unscaled, the square is 200 pixels wide around the middle (the window's
# frame is as wide on both sides).
for x in $((middle_x - 95)) $((middle_x + 95)); do
  is_navy "$(colour_at $x $middle_y)" || fail "inside the square at $x: $(colour_at $x $middle_y)"
done
for x in $((middle_x - 105)) $((middle_x + 105)); do
  is_green "$(colour_at $x $middle_y)" || fail "beside the square at $x: $(colour_at $x $middle_y)"
done
is_green "$(colour_at 5 5)" && fail "the window covers the screen"
[ -n "$shot_out" ] && cp "$scratch/shot.png" "${shot_out%.png}-window.png"
xdotool mousemove $middle_x $middle_y click 1
wait_until 20 ended || fail "a click did not end the window"
wait "$pid" || fail "the window ended with status $?"
echo "PASS"
