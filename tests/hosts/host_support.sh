# Shared by the host tests: a fresh install, and waiting for processes.

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

# wait_until SECONDS COMMAND...: polls COMMAND every 50 ms.
wait_until() {
  local limit=$1; shift
  local deadline=$(( $(date +%s%N) + limit * 1000000000 ))
  until "$@"; do
    [ "$(date +%s%N)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

fail() { echo "FAIL: $*" >&2; exit 1; }

# A folder for one test, removed at the end.
scratch=$(mktemp -d /tmp/aerolark-host-XXXXXX)
chmod 755 "$scratch"
trap 'rm -rf "$scratch"' EXIT
