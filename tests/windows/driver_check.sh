#!/usr/bin/env bash
# The Windows drivers under Wine, on the DISPLAY given (a private Xvfb):
# driver_check.exe's own checks. The saver's scene on the screen, and input
# ending it, are checked on the whole program (windows_saver_test.sh).
# Usage: driver_check.sh DRIVER_CHECK_EXE
set -u
exe=$1
wine=/usr/lib/wine/wine64
[ -f "$exe" ] || { echo "SKIP: no $exe (make windows makes it)"; exit 77; }
[ -x "$wine" ] || { echo "SKIP: no Wine at $wine"; exit 77; }
command -v convert >/dev/null || { echo "SKIP: no ImageMagick"; exit 77; }

scratch=$(mktemp -d /tmp/aerolark-win-drivers-XXXXXX)
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all
cleanup() { /usr/lib/wine/wineserver -k 2>/dev/null; [ -n "${KEEP:-}" ] || rm -rf "$scratch"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

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

echo "PASS"
