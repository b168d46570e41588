#!/usr/bin/env bash
# The real XScreenSaver daemon runs `aerolark /s` as its only display mode:
# activated, the scene fills the daemon's window; deactivated, the saver is
# gone within a second.
set -u
cmake=$1 build=$2
. "$(dirname "$0")/../support/program.sh"

command -v xscreensaver >/dev/null || { echo "SKIP: xscreensaver is not installed"; exit 77; }
. "$(dirname "$0")/../support/hosts.sh"

install_to "$scratch/prefix" || fail "cmake --install failed"
start_xscreensaver "$scratch/prefix/bin/aerolark /s"

as_user xscreensaver-command -activate >/dev/null || fail "activate refused"
wait_until 15 host_started -f "$scratch/prefix/bin/aerolark /s" ||
  { cat "$scratch/daemon.log"; fail "the daemon did not start aerolark"; }
pid=$(saver_of_host -f "$scratch/prefix/bin/aerolark /s")
wait_until 15 shows_picture "$scratch/prefix/share/aerolark/Sunset Red.BMP" ||
  fail "the screen does not show the scene"

as_user xscreensaver-command -deactivate >/dev/null || fail "deactivate refused"
wait_until 1 has_ended "$pid" || fail "aerolark still runs a second after the daemon deactivated"
