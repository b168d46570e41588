#!/usr/bin/env bash
# The Debian package as `make package` makes it passes lintian; in a private mount
# namespace (the machine stays as it was) `dpkg -i` installs it, MATE's saver shows
# the scene and a key ends it, XScreenSaver's daemon runs it, `dpkg -r` removes all.
set -u
cmake=$1 build=$2
if [ -z "${AEROLARK_PRIVATE_MOUNTS:-}" ] && [ "$(id -u)" -eq 0 ] && unshare --mount true 2>/dev/null; then
  AEROLARK_PRIVATE_MOUNTS=1 exec unshare --mount --propagation private "$0" "$@"
fi
. "$(dirname "$0")/../support/program.sh"
[ -n "${AEROLARK_PRIVATE_MOUNTS:-}" ] || skip "no private mount namespace here (needs root and unshare --mount)"
! grep -q "^AEROLARK_SANITIZE:BOOL=ON" "$build/CMakeCache.txt" || skip "packages come from the ordinary build"
for tool in lintian mate-screensaver xscreensaver dbus-daemon gsettings desktop-file-validate; do
  command -v $tool >/dev/null || skip "$tool is not installed"; done

(cd "$build" && "$(dirname "$cmake")/cpack" -G DEB -B "$scratch/package") >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$(echo "$scratch"/package/aerolark_*_amd64.deb)
[ -f "$deb" ] || fail "cpack made no aerolark_<version>_amd64.deb"
lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian finds faults (above)"

# Every change to /usr, /etc and /var stays in memory, gone with the namespace.
layers="$scratch/layers"
mkdir -p "$layers" && mount -t tmpfs aerolark-layers "$layers" || skip "no tmpfs can be mounted here"
on_exit "umount -l /usr /etc /var $layers 2>/dev/null"
for dir in usr etc var; do
  mkdir -p "$layers/$dir/changes" "$layers/$dir/work"
  mount -t overlay overlay -o "lowerdir=/$dir,upperdir=$layers/$dir/changes,workdir=$layers/$dir/work" \
    "/$dir" || skip "no overlay can be laid on /$dir here"
done

rm -f /var/lib/man-db/auto-update  # man-db's trigger would reindex every manual, for minutes
dpkg -i "$deb" >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log"; fail "dpkg -i failed"; }
desktop-file-validate /usr/share/applications/screensavers/aerolark.desktop || fail "invalid saver entry"
# The manual names every variable the program reads.
for variable in $(grep -rhoE '(getenv|EnvironmentVariable)\("[A-Z_]+"\)' "$(dirname "$0")/../../src" \
                    --exclude-dir=win32 | grep -oE '[A-Z][A-Z_]+' | sort -u); do
  zcat /usr/share/man/man6/aerolark.6.gz | grep -q "^\.B.* $variable\b" || fail "the manual lacks $variable"
done

. "$(dirname "$0")/../support/hosts.sh"
sunset="/usr/share/aerolark/Sunset Red.BMP"

# MATE's saver with Aerolark as its theme, on a D-Bus session of its own, its
# settings in a file of its own, no accessibility bus to outlive it.
bus=$(as_user dbus-daemon --session --fork --print-address=1 --print-pid=1) || fail "no D-Bus session"
on_exit "kill ${bus##*$'\n'} 2>/dev/null"
host_session+=(DBUS_SESSION_BUS_ADDRESS="${bus%%$'\n'*}" GSETTINGS_BACKEND=keyfile NO_AT_BRIDGE=1)
for setting in "mode single" "themes ['screensavers-aerolark']" "lock-enabled false"; do
  as_user gsettings set org.mate.screensaver ${setting%% *} "${setting#* }" || fail "cannot set $setting"
done
as_user mate-screensaver --no-daemon >"$scratch/mate.log" 2>&1 &
mate=$!; on_exit "kill $mate 2>/dev/null"
# Asked before it owns its name, the bus would start a second one.
mate_on_bus() { as_user gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
                  --method org.freedesktop.DBus.NameHasOwner org.mate.ScreenSaver 2>/dev/null | grep -q true; }
mate_says() { as_user mate-screensaver-command --query 2>/dev/null | grep -q "The screensaver is $1"; }
wait_until 60 mate_on_bus || { cat "$scratch/mate.log"; fail "MATE's saver does not start"; }
as_user mate-screensaver-command --activate >/dev/null || fail "MATE refused to activate"
wait_until 60 host_started -x aerolark || { cat "$scratch/mate.log"; fail "MATE did not start aerolark"; }
pid=$(saver_of_host -x aerolark)
ran=$(tr '\0' ' ' </proc/"$pid"/cmdline)
[ "$ran" = "/usr/libexec/xscreensaver/aerolark " ] || fail "MATE ran $ran"
wait_until 60 shows_picture "$sunset" || fail "MATE's saver does not show the scene"
mkdir -p "$build/program-shots" && cp "$scratch/screen.png" "$build/program-shots/mate-saver.png"
xdotool key space
wait_until 60 has_ended "$pid" || fail "a key does not end the saver under MATE"
wait_until 60 mate_says inactive || fail "MATE's saver stays active after a key"
! shows_picture "$sunset" || fail "the scene stays on the screen after a key"
kill "$mate" && wait "$mate"

# XScreenSaver's daemon finds the saver by the name its description gives.
run_under_xscreensaver aerolark "$sunset" -x aerolark

# Removed, the package leaves no file and no folder of its own.
dpkg -r aerolark >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log"; fail "dpkg -r failed"; }
while IFS= read -r path; do
  case "$path" in */aerolark/ | *[!/]) [ ! -e "$path" ] && [ ! -L "$path" ] || fail "dpkg -r left $path" ;; esac
done < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\.||')
