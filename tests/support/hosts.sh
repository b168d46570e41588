# Shared by the tests that run the saver under a real host (XScreenSaver's or
# MATE's daemon): the user that runs the host, its session, starting
# XScreenSaver's daemon, and telling the scene on a screenshot.
# Sourced after program.sh.

# The daemons refuse to run display modes as root: root runs them as an
# ordinary user, made if missing.
host_user=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
  host_user=aerolarkhost
  id "$host_user" >/dev/null 2>&1 || useradd -M -s /bin/sh "$host_user" 2>/dev/null ||
    { echo "SKIP: cannot create an ordinary user for the daemon"; exit 77; }
fi
host_home="$scratch/home"
mkdir -p "$host_home"
chown -R "$host_user" "$host_home" "$scratch/runtime" 2>/dev/null
chmod 700 "$scratch/runtime"
host_session=(HOME="$host_home" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$scratch/runtime"
              XDG_CONFIG_HOME="$host_home/config" SDL_AUDIODRIVER=dummy)
# A sanitized build scans for leaks on the way out, which takes a loaded machine
# longer than a host waits; every other sanitized test keeps that scan, so
# here the saver's own answer to the host is measured.
[ -n "${ASAN_OPTIONS:-}" ] && host_session+=(ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0")

# as_user NAME=VALUE... COMMAND...: runs COMMAND as the host's user, in the
# host's session and the given environment. In a subshell (`&`, `$(...)`)
# the command replaces it, so `$!` is the daemon itself and a kill reaches it.
as_user() {
  local run=(env "${host_session[@]}")
  [ "$host_user" = "$(id -un)" ] ||
    run=(setpriv --reuid="$host_user" --regid="$(id -g "$host_user")" --init-groups "${run[@]}")
  [ "$BASHPID" = "$$" ] || exec "${run[@]}" "$@"
  "${run[@]}" "$@"
}

# start_xscreensaver COMMAND: XScreenSaver's daemon with COMMAND as its only
# display mode, never starting it by itself; sets $daemon. A daemon that does
# not start here skips the test.
start_xscreensaver() {
  cat > "$host_home/.xscreensaver" <<CONFIG
mode: one
selected: 0
timeout: 1:00:00
cycle: 0:00:00
lock: False
splash: False
fade: False
unfade: False
dpmsEnabled: False
programs: $1 \n
CONFIG
  chown "$host_user" "$host_home/.xscreensaver"
  as_user xscreensaver -no-splash -verbose >"$scratch/daemon.log" 2>&1 &
  daemon=$!
  on_exit "kill $daemon 2>/dev/null"
  wait_until 15 as_user xscreensaver-command -time >/dev/null 2>&1 ||
    { cat "$scratch/daemon.log"; echo "SKIP: the XScreenSaver daemon does not start here"; exit 77; }
}

# saver_of_host PGREP-MATCH...: the newest process of the host's user that
# matches (-f PATTERN: its command line; -x NAME: its name).
saver_of_host() { pgrep -n -u "$host_user" "$@"; }
host_started() { [ -n "$(saver_of_host "$@")" ]; }

# shows_picture PICTURE: the screen (4:3, as the tests' servers are) shows
# PICTURE, the scene's background, scaled to fill it: the mean colours of the
# sky along the top, the ground along the bottom and two side strips lie near
# the picture's. A plane or the clock in a strip moves its mean a little, a
# black or foreign screen far.
shows_picture() {
  local shot="$scratch/screen.png" strip
  import -window root "$shot" 2>/dev/null || return 1
  for strip in 100x6+0+0 100x8+0+92 12x20+0+55 12x20+88+20; do
    near_colour "$(mean_colour "$shot" $strip)" "$(mean_colour "$1" $strip)" 24 || return 1
  done
}
# mean_colour IMAGE WxH+X+Y: the mean colour ("r g b", 0 to 255) of that
# part of IMAGE, measured in percent of its width and height.
mean_colour() {
  convert "$1" -scale '100x100!' -crop "$2" +repage -scale '1x1!' \
    -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}
# near_colour "R G B" "R G B" TOLERANCE: no channel differs by more.
near_colour() {
  local a=($1) b=($2) i
  for i in 0 1 2; do
    [ $(( a[i] > b[i] ? a[i] - b[i] : b[i] - a[i] )) -le "$3" ] || return 1
  done
}
