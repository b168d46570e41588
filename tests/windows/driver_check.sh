#!/usr/bin/env bash
# The Windows drivers under Wine: driver_check.exe's own checks of pictures,
# text, sound and windows against the real system. The saver's scene on the
# screen, and input ending it, are checked on the whole program
# (windows_saver_test.sh).
set -u
cmake=$1 build=$2
. "$(dirname "$0")/../support/program.sh"
. "$(dirname "$0")/../support/wine.sh"

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
# The saver's engine sound.
cp "$windows_build/Aerolark/biplane1.wav" "$samples/engine.wav" || fail "no engine sound"
# Files that once hung or crashed a decoder.
mkdir -p "$samples/hostile"
cp "$(dirname "$0")"/../fuzz/regressions/pictures/* "$samples/hostile/" 2>/dev/null

# run_checks NAME: driver_check's checks, their output in $scratch/NAME.out.
run_checks() {
  wine "$helpers/driver_check.exe" "$(windows_path "$samples")\\" >"$scratch/$1.out" 2>&1
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
