# Checks of a saver run's AEROLARK_TRACE, shared by the whole-program tests
# of the Linux and the Windows build: the same run leaves the same trace on
# both. Each fails the test (fail, from program.sh) with what it found.
tab=$'\t'

# A text as a trace field writes it (backslash, TAB and newline escaped).
trace_field() { local t=${1//\\/\\\\}; t=${t//$tab/\\t}; printf '%s' "$t"; }
line_of() { grep -n -x -F -m 1 -- "$2" "$1" | cut -d: -f1; }

# check_first_start_trace TRACE FOLDER: a first start on an empty store.
# The load writes the 26 defaults (SetReg last, the pictures named in the
# install folder FOLDER), then hides the pointer, opens the screen, loads
# every built-in picture from FOLDER and the sound, and only then is the
# saver marked running and the first frame drawn.
check_first_start_trace() {
  local trace=$1 folder=$2 name
  local f; f=$(trace_field "$folder")
  [ "$(head -n 1 "$trace")" = "E${tab}Load" ] || fail "$trace: does not begin with the load"
  [ "$(grep -c '^W' "$trace")" -eq 26 ] || fail "$trace: not 26 defaults written"
  [ "$(grep '^W' "$trace" | head -n 1)" = "W${tab}Startup${tab}Background${tab}3" ] ||
    fail "$trace: the defaults do not begin with Background"
  [ "$(grep '^W' "$trace" | tail -n 1)" = "W${tab}System${tab}SetReg${tab}2" ] ||
    fail "$trace: SetReg is not written last"
  grep -q -x -F "W${tab}Startup${tab}BMPFileName${tab}${f}Sunset Red.BMP" "$trace" ||
    fail "$trace: the default background is not in $folder"
  local steps=("W${tab}System${tab}SetReg${tab}2" "C${tab}ShowCursor${tab}False"
               "C${tab}OpenScreen${tab}800${tab}600${tab}16${tab}${tab}=${tab}True"
               "C${tab}LoadSound${tab}${f}biplane1.wav${tab}=${tab}1"
               "C${tab}ScreenSaverRunning${tab}True" "E${tab}DrawFrame")
  local previous=0 at step
  for step in "${steps[@]}"; do
    at=$(line_of "$trace" "$step")
    [ -n "$at" ] && [ "$at" -gt "$previous" ] || fail "$trace: '$step' missing or out of order"
    previous=$at
  done
  for name in monitor.bmp TuneMsg.bmp FastJet.bmp BGbiplane.bmp biplane0{1..9}.bmp biplane1{0..5}.bmp; do
    grep -q -P "^C\tLoadSprite\t\d+\t1\t\Q${f}${name}\E\t-[12]\$" "$trace" ||
      fail "$trace: $name not loaded from $folder"
  done
}

# check_frames_trace TRACE TUNEPC: every frame event ends with one flip and
# nothing else happens inside it; every TUNEPC-th frame composes the scene
# (the planes move); the three one-second timers tick in order, about 360
# frame events apart (the loop's pace).
check_frames_trace() {
  local trace=$1 tune=$2 found
  found=$(awk -v tune="$tune" -F '\t' '
    $1 == "E" && inFrame { bad = "an event inside a frame: " $2 }
    $1 == "E" && $2 == "DrawFrame" { inFrame = 1; frames++; moved = 0; next }
    $1 == "C" && $2 == "FlipScreen" { if (!inFrame) bad = "a flip outside a frame"; inFrame = 0; if (moved) composed++; next }
    $1 == "C" && $2 ~ /^Move/ { moved = 1 }
    $1 == "E" && $2 != "DrawFrame" && last == "Timer1" && $2 != "tmrPause" { bad = $2 " after Timer1" }
    $1 == "E" && $2 == "tmrSound" {
      if (last != "tmrPause") bad = "tmrSound not after tmrPause"
      if (ticks++ > 0 && (frames - atTick < 300 || frames - atTick > 420)) bad = (frames - atTick) " frame events in a second"
      atTick = frames
    }
    $1 == "E" && $2 != "DrawFrame" { last = $2 }
    END {
      if (frames < 360) bad = "only " frames " frame events"
      else if (ticks < 2) bad = "only " ticks " timer ticks"
      else if (composed < int(frames / tune) - 1 || composed > int(frames / tune) + 1)
        bad = composed " scenes composed in " frames " frame events"
      print bad
    }' "$trace")
  [ -z "$found" ] || fail "$trace: $found"
}

# The trace shows the one-second timers' third tick (two whole seconds).
ticked_twice() { [ "$(grep -c "^E${tab}tmrSound\$" "$1")" -ge 3 ]; }

# check_exit_trace TRACE EVENT: the run ended on EVENT in order, the
# pointer hidden and shown once, the saver marked running once.
check_exit_trace() {
  local trace=$1 event=$2 once ended
  ended=$(printf '%s\n' "E${tab}$event" "C${tab}StopAllSounds" "C${tab}ReleaseSound${tab}1" \
    "C${tab}ScreenSaverRunning${tab}False" "E${tab}Unload" "C${tab}ReleaseSound${tab}1" \
    "C${tab}StopAllSounds" "C${tab}ShowCursor${tab}True")
  [ "$(tail -n 8 "$trace")" = "$ended" ] ||
    fail "$trace: not ended in order: $(tail -n 8 "$trace")"
  for once in "ShowCursor${tab}False" "ShowCursor${tab}True" "ScreenSaverRunning${tab}True"; do
    [ "$(grep -c "^C${tab}${once}\$" "$trace")" -eq 1 ] || fail "$trace: $once not once"
  done
}
