# Shared by the tests that run the saver under a real host (XScreenSaver's or
# MATE's daemon), sourced after program.sh. The daemons refuse to run display
# modes as root: root runs them as an ordinary user, made if missing.
host_user=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
  host_user=aerolarkhost
  id "$host_user" >/dev/null 2>&1 || useradd -M -s /bin/sh "$host_user" 2>/dev/null ||
    skip "cannot create an ordinary user for the daemon"
fi
host_home="$scratch/home"
mkdir -p "$host_home"
chown -R "$host_user" "$host_home" "$scratch/runtime" 2>/dev/null
chmod 700 "$scratch/runtime"
host_session=(HOME="$host_home" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$scratch/runtime"
              XDG_CONFIG_HOME="$host_home/config" SDL_AUDIODRIVER=dummy)

# as_user NAME=VALUE... COMMAND...: COMMAND as the host's user in its session. In a
# subshell (`&`, `$(...)`) it replaces the shell, so `$!` is the daemon itself.
as_user() {
  local run=(env "${host_session[@]}")
  [ "$host_user" = "$(id -un)" ] ||
    run=(setpriv --reuid="$host_user" --regid="$(id -g "$host_user")" --init-groups "${run[@]}")
  [ "$BASHPID" = "$$" ] || exec "${run[@]}" "$@"
  "${run[@]}" "$@"
}

# run_under_xscreensaver COMMAND PICTURE PGREP-MATCH...: XScreenSaver's daemon
# with COMMAND as its only display mode, activated, starts the saver (found by
# pgrep's MATCH) and the screen shows PICTURE; deactivated, the saver ends.
# How soon is the benchmark's to say: the bound here only stops a hang.
run_under_xscreensaver() {
  local picture=$2 pid
  printf '%s\n' "mode: one" "selected: 0" "timeout: 1:00:00" "cycle: 0:00:00" "lock: False" \
    "splash: False" "fade: False" "unfade: False" "dpmsEnabled: False" "programs: $1 \\n" >"$host_home/.xscreensaver"
  chown "$host_user" "$host_home/.xscreensaver"
  as_user xscreensaver -no-splash -verbose >"$scratch/daemon.log" 2>&1 &
  on_exit "kill $! 2>/dev/null"
  wait_until 60 as_user xscreensaver-command -time >/dev/null 2>&1 ||
    { cat "$scratch/daemon.log"; skip "the XScreenSaver daemon does not start here"; }
  shift 2
  as_user xscreensaver-command -activate >/dev/null || fail "XScreenSaver refused to activate"
  wait_until 60 host_started "$@" || { cat "$scratch/daemon.log"; fail "XScreenSaver did not start aerolark"; }
  pid=$(saver_of_host "$@")
  wait_until 60 shows_picture "$picture" || fail "XScreenSaver's window does not show the scene"
  as_user xscreensaver-command -deactivate >/dev/null || fail "XScreenSaver refused to deactivate"
  wait_until 60 has_ended "$pid" || fail "aerolark runs on after XScreenSaver deactivated"
}

# saver_of_host PGREP-MATCH...: the host user's newest process that matches
# (-f PATTERN: its command line; -x NAME: its name).
saver_of_host() { pgrep -n -u "$host_user" "$@"; }
host_started() { [ -n "$(saver_of_host "$@")" ]; }

# shows_picture PICTURE: the 4:3 screen shows PICTURE (the scene's background)
# scaled to fill it: the mean colours of strips (in percent) along the top, the
# bottom and the sides lie near the picture's. A plane or the clock in a strip
# moves its mean a little, a black or foreign screen far.
shows_picture() {
  local strip
  import -window root "$scratch/screen.png" 2>/dev/null || return 1
  for strip in 100x6+0+0 100x8+0+92 12x20+0+55 12x20+88+20; do
    [ "$(convert "$scratch/screen.png" "$1" -scale '100x100!' -crop "$strip" +repage -scale '1x1!' \
         -compose difference -composite -format '%[fx:int(255*maxima)]' info:)" -le 24 ] || return 1
  done
}
