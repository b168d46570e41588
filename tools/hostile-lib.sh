# Shared pieces of the whole-program hostile scripts (sourced, not run).
# Needs: DISPLAY set to an X server (the scripts start Xvfb), xdotool.

# Runs the calling script again under an Xvfb of its own, unless it already is.
#   under_own_xvfb <script> <arguments...>
under_own_xvfb() {
  [ -n "${HOSTILE_UNDER_XVFB:-}" ] && return
  HOSTILE_UNDER_XVFB=1 exec "$here/tools/with-xvfb" "$@"
}

# A private copy of the program with its built-in files, so files can be damaged.
#   make_install <build-folder> <target-folder>; prints the program path.
make_install() {
  mkdir -p "$2/bin" "$2/share"
  cp "$1/bin/aerolark" "$2/bin/aerolark"
  cp -r "$1/share/aerolark" "$2/share/aerolark"
  echo "$2/bin/aerolark"
}

# Runs the saver windowed for <seconds>, then presses a key.
# Prints one word: ended (exit 0 after the key), exit<N>, sanitizer, hung or died.
#   saver_outcome <program> <config-home> <seconds> <log>
saver_outcome() {
  program=$1; config=$2; seconds=$3; log=$4
  AEROLARK_WINDOWED=1 XDG_CONFIG_HOME=$config SDL_AUDIODRIVER=dummy \
    "$program" /s >"$log" 2>&1 &
  pid=$!
  sleep "$seconds"
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"; rc=$?
    grep -q 'Sanitizer' "$log" && { echo sanitizer; return; }
    echo "died$rc"; return
  fi
  # Peak memory so far, in kB, for the caller's table.
  awk '/VmHWM/ {print $2}' "/proc/$pid/status" >"$log.peak" 2>/dev/null
  # A key, again every second while the program runs: on a busy machine its
  # window may not be up yet when the first one comes.
  press_until_gone "$pid" 60 press_space_on "$pid"
  outcome_of "$pid" "$log" ended
}

press_space_on() {
  window=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -1)
  [ -n "$window" ] && xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key space
}

# Runs <command...> about once a second, up to <tries> times, until <pid> ends.
#   press_until_gone <pid> <tries> <command...>
press_until_gone() {
  pid=$1; tries=$2; shift 2
  for _ in $(seq 1 "$tries"); do
    kill -0 "$pid" 2>/dev/null || break
    "$@" 2>/dev/null
    for _ in $(seq 1 10); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
  done
}

# How <pid> ended: <ok-word> (status 0), exit<N>, sanitizer, or hung (then killed).
#   outcome_of <pid> <log> <ok-word>
outcome_of() {
  if kill -0 "$1" 2>/dev/null; then
    kill -9 "$1"; wait "$1" 2>/dev/null
    echo hung; return
  fi
  wait "$1"; rc=$?
  grep -q 'Sanitizer' "$2" && { echo sanitizer; return; }
  [ "$rc" -eq 0 ] && echo "$3" || echo "exit$rc"
}

# Opens the dialog, waits for its window, closes it with Alt+O.
# Prints: closed, no-window, hung, sanitizer or exit<N>.
#   dialog_outcome <program> <config-home> <log>
dialog_outcome() {
  program=$1; config=$2; log=$3
  XDG_CONFIG_HOME=$config "$program" /c >"$log" 2>&1 &
  pid=$!
  window=""
  for _ in $(seq 1 300); do
    window=$(xdotool search --onlyvisible --pid "$pid" --name '^Aerolark' 2>/dev/null | head -1)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  if [ -z "$window" ]; then
    kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
    grep -q 'Sanitizer' "$log" && { echo sanitizer; return; }
    echo no-window; return
  fi
  press_until_gone "$pid" 30 xdotool windowfocus --sync "$window" key alt+o
  outcome_of "$pid" "$log" closed
}

sanitizer_environment() {
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  export LSAN_OPTIONS=suppressions=$here/tools/lsan-suppressions.txt:print_suppressions=0
}

# The stored defaults with every overlay on; pictures in <share-folder/>.
defaults_file() {
  local share=$1
  cat <<INI
[Startup]
Background=3
BGFreq=36
BMPFileName=${share}Sunset Red.BMP
Clock=1
FontClock=16
FontName=Arial
FontSize=30
LogoChecked=1
LogoFileName=${share}Logo1.BMP
Message=I'd Rather be Flying
MessageChecked=1
MouseSens=4
PlaneBG=1
Prop=1
SecDelay=30
SelectedFont=4
SelectedFontSize=3
Speed=3
TunePC=6
Volume=-784
[System]
PwrSave=0
PwrMsg=False
RunMonitor=False
SoundOff=Never
TuneScrSvr=False
SetReg=2
INI
}
