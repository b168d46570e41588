#!/usr/bin/env bash
# The Windows drivers under Wine, on the DISPLAY given (a private Xvfb, 16:9
# so that the letterbox shows bars): driver_check.exe's own checks, then its
# scene covering the screen, screenshotted and ended by a key.
# Usage: driver_check.sh DRIVER_CHECK_EXE [SCREENSHOT_PNG]
set -u
exe=$1
shot_out=${2:-}
wine=/usr/lib/wine/wine64
[ -f "$exe" ] || { echo "SKIP: no $exe (make windows makes it)"; exit 77; }
[ -x "$wine" ] || { echo "SKIP: no Wine at $wine"; exit 77; }
command -v convert >/dev/null || { echo "SKIP: no ImageMagick"; exit 77; }

scratch=$(mktemp -d /tmp/aerolark-win-drivers-XXXXXX)
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all
cleanup() { /usr/lib/wine/wineserver -k 2>/dev/null; rm -rf "$scratch"; }
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
win_samples="Z:$(printf '%s/' "$samples" | sed 's|/|\\|g')"

"$wine" wineboot.exe -i >/dev/null 2>&1 || fail "no Wine prefix"
"$wine" "$exe" "$win_samples" >"$scratch/checks.out" 2>"$scratch/checks.err"
status=$?
cat "$scratch/checks.out"
[ "$status" -eq 0 ] || fail "driver_check found faults (status $status)"

# The scene covering the screen: shown letterboxed, then a key ends it.
"$wine" "$exe" "$win_samples" show >"$scratch/show.out" 2>"$scratch/show.err" &
pid=$!
shows() { xwininfo -root -tree 2>/dev/null | grep -qF '"Aerolark": ('; }
wait_until 30 shows || fail "no window titled Aerolark"
colour_at() { convert "$scratch/shot.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }
scene_shown() {
  import -window root "$scratch/shot.png" 2>/dev/null || return 1
  [ "$(colour_at 640 360)" = "0,0,132" ] || [ "$(colour_at 640 360)" = "0,0,128" ]
}
wait_until 20 scene_shown || fail "the scene is not shown: middle $(colour_at 640 360)"
read -r width height < <(xdpyinfo | awk '/dimensions:/ { split($2, s, "x"); print s[1], s[2] }')
[ "$width" = 1280 ] && [ "$height" = 720 ] || echo "note: screen ${width}x$height, bars unchecked"
if [ "$width" = 1280 ] && [ "$height" = 720 ]; then
  # 800 x 600 scaled to 960 x 720 in the middle: bars of 160 at the sides.
  [ "$(colour_at 80 360)" = "0,0,0" ] || fail "left bar: $(colour_at 80 360)"
  [ "$(colour_at 1200 360)" = "0,0,0" ] || fail "right bar: $(colour_at 1200 360)"
  [ "$(colour_at 162 360)" = "0,130,0" ] || [ "$(colour_at 162 360)" = "0,128,0" ] ||
    fail "the frame does not reach its left edge: $(colour_at 162 360)"
fi
[ -n "$shot_out" ] && mkdir -p "$(dirname "$shot_out")" && cp "$scratch/shot.png" "$shot_out"
xdotool key space
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_until 20 ended || fail "a key did not end the scene"
wait "$pid" || fail "the scene ended with status $?"
echo "PASS"
