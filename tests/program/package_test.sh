#!/usr/bin/env bash
# The Debian package as a user meets it: CPack makes it as `make package`
# does and lintian finds no fault; then, in a private mount namespace with
# overlays on /usr, /etc and /var (the machine stays as it was), `dpkg -i`
# installs it, MATE's screen saver shows the scene and a key ends it,
# XScreenSaver's daemon runs it from its `programs` line, and `dpkg -r`
# leaves no file of it.
set -u
cmake=$1 build=$2

# The whole test runs in its own mount namespace.
if [ -z "${AEROLARK_PRIVATE_MOUNTS:-}" ]; then
  ! grep -q "^AEROLARK_SANITIZE:BOOL=ON" "$build/CMakeCache.txt" ||
    { echo "SKIP: packages are made from the ordinary build, not a sanitized one"; exit 77; }
  [ "$(id -u)" -eq 0 ] ||
    { echo "SKIP: installing the package in a private mount namespace needs root"; exit 77; }
  unshare --mount true 2>/dev/null ||
    { echo "SKIP: no private mount namespace can be made here (unshare --mount)"; exit 77; }
  AEROLARK_PRIVATE_MOUNTS=1 exec unshare --mount --propagation private "$0" "$@"
fi
. "$(dirname "$0")/../support/program.sh"
for tool in lintian mate-screensaver xscreensaver dbus-daemon gsettings desktop-file-validate; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

cpack="$(dirname "$cmake")/cpack"
(cd "$build" && "$cpack" -G DEB -B "$scratch/package") >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$(echo "$scratch"/package/aerolark_*_amd64.deb)
[ -f "$deb" ] || fail "cpack made no aerolark_<version>_amd64.deb"
lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian finds faults (above)"

# The machine's /usr, /etc and /var, every change kept in memory and gone
# with the namespace.
layers="$scratch/layers"
mkdir -p "$layers" && mount -t tmpfs aerolark-layers "$layers" ||
  { echo "SKIP: no memory file system can be mounted here"; exit 77; }
on_exit "umount -l /usr /etc /var $layers 2>/dev/null"
for dir in usr etc var; do
  mkdir -p "$layers/$dir/changes" "$layers/$dir/work"
  mount -t overlay overlay \
    -o "lowerdir=/$dir,upperdir=$layers/$dir/changes,workdir=$layers/$dir/work" "/$dir" ||
    { echo "SKIP: no overlay can be laid on /$dir here"; exit 77; }
done

# man-db's trigger would rebuild the whole index of manuals on the overlay,
# for minutes: not ours to test.
rm -f /var/lib/man-db/auto-update
dpkg -i "$deb" >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log"; fail "dpkg -i failed"; }
desktop-file-validate /usr/share/applications/screensavers/aerolark.desktop ||
  fail "the installed saver entry is not valid"
# The manual names every variable the program reads.
for variable in $(grep -rhoE '(getenv|EnvironmentVariable)\("[A-Z_]+"\)' \
                    "$(dirname "$0")/../../src" --exclude-dir=win32 | grep -oE '[A-Z][A-Z_]+' | sort -u); do
  zcat /usr/share/man/man6/aerolark.6.gz | grep -q "^\.B.* $variable\b" ||
    fail "the manual does not name $variable"
done

. "$(dirname "$0")/../support/hosts.sh"
sunset="/usr/share/aerolark/Sunset Red.BMP"

# MATE's saver with Aerolark as its theme, on its own D-Bus session.
bus=$(as_user dbus-daemon --session --fork --print-address=1 --print-pid=1) || fail "no D-Bus session"
on_exit "kill ${bus##*$'\n'} 2>/dev/null"
# Settings in a file of the session's own; no accessibility bus to outlive it.
host_session+=(DBUS_SESSION_BUS_ADDRESS="${bus%%$'\n'*}" GSETTINGS_BACKEND=keyfile NO_AT_BRIDGE=1)
as_user gsettings set org.mate.screensaver mode single &&
  as_user gsettings set org.mate.screensaver themes "['screensavers-aerolark']" &&
  as_user gsettings set org.mate.screensaver lock-enabled false || fail "cannot choose MATE's theme"
as_user mate-screensaver --no-daemon >"$scratch/mate.log" 2>&1 &
mate=$!
on_exit "kill $mate 2>/dev/null"
# Asked before it owns its name, the bus would start a second one.
mate_on_bus() {
  as_user gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.NameHasOwner org.mate.ScreenSaver 2>/dev/null | grep -q true
}
mate_says() { as_user mate-screensaver-command --query 2>/dev/null | grep -q "The screensaver is $1"; }
wait_until 15 mate_on_bus || { cat "$scratch/mate.log"; fail "MATE's saver does not start"; }

as_user mate-screensaver-command --activate >/dev/null || fail "MATE refused to activate"
wait_until 15 host_started -x aerolark || { cat "$scratch/mate.log"; fail "MATE did not start aerolark"; }
pid=$(saver_of_host -x aerolark)
[ "$(tr '\0' ' ' </proc/"$pid"/cmdline)" = "/usr/libexec/xscreensaver/aerolark " ] ||
  fail "MATE ran $(tr '\0' ' ' </proc/"$pid"/cmdline)"
wait_until 15 shows_picture "$sunset" || fail "MATE's saver does not show the scene"
mkdir -p "$build/program-shots" && cp "$scratch/screen.png" "$build/program-shots/mate-saver.png"
xdotool key space
wait_until 10 has_ended "$pid" || fail "a key does not end the saver under MATE"
wait_until 10 mate_says inactive || fail "MATE's saver stays active after a key"
! shows_picture "$sunset" || fail "the scene stays on the screen after a key"
kill "$mate" && wait "$mate"

# XScreenSaver's daemon finds the saver by the name its description gives.
start_xscreensaver aerolark
as_user xscreensaver-command -activate >/dev/null || fail "XScreenSaver refused to activate"
wait_until 15 host_started -x aerolark || { cat "$scratch/daemon.log"; fail "XScreenSaver did not start aerolark"; }
pid=$(saver_of_host -x aerolark)
wait_until 15 shows_picture "$sunset" || fail "XScreenSaver's window does not show the scene"
as_user xscreensaver-command -deactivate >/dev/null || fail "XScreenSaver refused to deactivate"
wait_until 10 has_ended "$pid" || fail "aerolark still runs after XScreenSaver deactivated"

# Removed, the package leaves no file and no folder of its own.
dpkg -r aerolark >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log"; fail "dpkg -r failed"; }
while IFS= read -r path; do
  case "$path" in
    */aerolark/ | *[!/]) [ ! -e "$path" ] && [ ! -L "$path" ] || fail "dpkg -r left $path" ;;
  esac
done < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\.||')
