#!/usr/bin/env bash
# The real XScreenSaver daemon runs `aerolark /s` as its only display mode:
# activated, the scene fills the daemon's window, with the first run's hint;
# deactivated, the saver ends.
set -u
cmake=$1 build=$2
. "$(dirname "$0")/../support/program.sh"

command -v xscreensaver >/dev/null || { echo "SKIP: xscreensaver is not installed"; exit 77; }
# The daemon refuses to run display modes as root: run it as an ordinary user.
user=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
  user=aerolarkhost
  id "$user" >/dev/null 2>&1 || useradd -M -s /bin/sh "$user" 2>/dev/null ||
    { echo "SKIP: cannot create an ordinary user for the daemon"; exit 77; }
fi
as_user() {
  if [ "$user" = "$(id -un)" ]; then env "$@"; else su "$user" -s /bin/sh -c "$(printf '%q ' env "$@")"; fi
}

install_to "$scratch/prefix" || fail "cmake --install failed"
home="$scratch/home"
mkdir -p "$home"
cat > "$home/.xscreensaver" <<CONFIG
mode: one
selected: 0
timeout: 1:00:00
cycle: 0:00:00
lock: False
splash: False
fade: False
unfade: False
dpmsEnabled: False
programs: $scratch/prefix/bin/aerolark /s \n
CONFIG
chown -R "$user" "$home" "$scratch/runtime" 2>/dev/null
chmod 700 "$scratch/runtime"
session=(HOME="$home" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$scratch/runtime" SDL_AUDIODRIVER=dummy
         AEROLARK_TRACE="$scratch/runtime/daemon.trace")

as_user "${session[@]}" xscreensaver -no-splash -verbose >"$scratch/daemon.log" 2>&1 &
daemon=$!
on_exit "kill $daemon 2>/dev/null"
wait_until 15 as_user "${session[@]}" xscreensaver-command -time >/dev/null 2>&1 ||
  { cat "$scratch/daemon.log"; echo "SKIP: the XScreenSaver daemon does not start here"; exit 77; }

as_user "${session[@]}" xscreensaver-command -activate >/dev/null || fail "activate refused"
saver_pid() { pgrep -u "$user" -f "$scratch/prefix/bin/aerolark /s" | head -n 1; }
saver_started() { [ -n "$(saver_pid)" ]; }
wait_until 15 saver_started || { cat "$scratch/daemon.log"; fail "the daemon did not start aerolark"; }
pid=$(saver_pid)
# The sunset fills the daemon's window: many colours.
shows_scene() {
  import -window root "$scratch/shot.png" 2>/dev/null &&
    [ "$(convert "$scratch/shot.png" -format %k info:)" -gt 1000 ]
}
wait_until 15 shows_scene || fail "the screen does not show the scene"

as_user "${session[@]}" xscreensaver-command -deactivate >/dev/null || fail "deactivate refused"
# How soon is the benchmark's to say; the bound here only stops a hang.
wait_until 60 has_ended "$pid" || fail "aerolark still runs after the daemon deactivated"
# The daemon's window covers the screen: the first run's hint is for the
# person at it.
grep -q -P "^C\tLoadSprite\t\d+\t1\t[^\t]*/TuneMsg.bmp\t-2\$" "$scratch/runtime/daemon.trace" ||
  fail "the daemon's full-screen saver did not load the first hint"
