# Shared by the whole-program tests: a scratch folder, a fresh install,
# starting and ending the saver, and waiting for things to happen.
# A test script sets `cmake` and `build` (its two arguments), then sources this.

program="$build/bin/aerolark"

# A folder for one test, removed at the end; fresh settings and runtime folders.
scratch=$(mktemp -d /tmp/aerolark-program-XXXXXX)
chmod 755 "$scratch"
cleanups=("rm -rf $scratch")
trap 'for c in "${cleanups[@]}"; do eval "$c"; done' EXIT
on_exit() { cleanups=("$*" "${cleanups[@]}"); }
mkdir -p "$scratch/config" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
settings="$scratch/config/aerolark/aerolark.ini"

fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }

# install_to PREFIX: installs the build into PREFIX, readable by everyone.
install_to() {
  "$cmake" --install "$build" --prefix "$1" >/dev/null || return 1
  chmod -R a+rX "$1"
}

# is_running PID: true while the process exists and has not ended
# (a zombie left to a container's init counts as ended).
is_running() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "${state#Z}" = "$state" ]
}
has_ended() { ! is_running "$1"; }

# wait_until SECONDS COMMAND...: polls COMMAND every 20 ms. The seconds only
# stop a hang: a busy machine may take long to show what is awaited.
wait_until() {
  local limit=$1; shift
  local deadline=$(( $(date +%s%N) + limit * 1000000000 ))
  until "$@"; do
    [ "$(date +%s%N)" -lt "$deadline" ] || return 1
    sleep 0.02
  done
}

# The trace is written in blocks: a block with a frame shows the loop runs.
draws_frames() { grep -q "^E	DrawFrame" "$1" 2>/dev/null; }
# Windows titled exactly $1 (xdotool does not see SDL's UTF-8 titles).
windows_titled() { xwininfo -root -tree 2>/dev/null | grep -cF " \"$1\": ("; }
window_titled() { xwininfo -root -tree 2>/dev/null | grep -F " \"$1\": (" | awk 'NR == 1 { print $1 }'; }
shows_window() { [ "$(windows_titled "$1")" -ge 1 ]; }
marked_running() { xprop -root AEROLARK_SCREENSAVER_RUNNING 2>/dev/null | grep -q '= '; }

# start_saver NAME [ARGUMENT]: runs the program (/s unless told) with its
# trace in $scratch/NAME.trace and its output beside it; sets $pid. Waits
# until it draws when the argument is /s.
start_saver() {
  local name=$1 argument=${2:-/s}
  AEROLARK_TRACE="$scratch/$name.trace" "$program" "$argument" \
    >"$scratch/$name.out" 2>"$scratch/$name.err" &
  pid=$!
  on_exit "kill -KILL $pid 2>/dev/null"
  [ "$argument" != /s ] && return 0
  wait_until 60 draws_frames "$scratch/$name.trace" || fail "$name: no frame drawn"
  # Looked for only now: SDL may replace its first window while it sets up.
  [ -n "${XSCREENSAVER_WINDOW:-}" ] || wait_until 60 shows_window Aerolark || fail "$name: no window"
}

# expect_quiet_end NAME ARGUMENT...: the program ends by itself at once,
# with status 0, nothing printed and no window of its own.
expect_quiet_end() {
  local name=$1; shift
  local before after
  before=$(xdotool search --onlyvisible --name . 2>/dev/null | wc -l)
  timeout 10 "$program" "$@" >"$scratch/$name.out" 2>&1 || fail "$name: status $?"
  after=$(xdotool search --onlyvisible --name . 2>/dev/null | wc -l)
  [ ! -s "$scratch/$name.out" ] || fail "$name printed: $(cat "$scratch/$name.out")"
  [ "$before" = "$after" ] || fail "$name put up a window"
}

# The colour at (X, Y) of a screenshot, as "r,g,b".
colour_at() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }
