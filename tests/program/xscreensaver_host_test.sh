#!/usr/bin/env bash
# The real XScreenSaver daemon runs `aerolark /s` as its only display mode:
# activated, the scene fills the daemon's window, with the first run's hint;
# deactivated, the saver ends.
set -u
cmake=$1 build=$2
. "$(dirname "$0")/../support/program.sh"

command -v xscreensaver >/dev/null || skip "xscreensaver is not installed"
. "$(dirname "$0")/../support/hosts.sh"

install_to "$scratch/prefix" || fail "cmake --install failed"
# The daemon's window covers the screen: the first run's hint is for the
# person at it.
host_session+=(AEROLARK_TRACE="$scratch/runtime/daemon.trace")
run_under_xscreensaver "$scratch/prefix/bin/aerolark /s" "$scratch/prefix/share/aerolark/Sunset Red.BMP" \
  -f "$scratch/prefix/bin/aerolark /s"
grep -q -P "^C\tLoadSprite\t\d+\t1\t[^\t]*/TuneMsg.bmp\t-2\$" "$scratch/runtime/daemon.trace" ||
  fail "the daemon's full-screen saver did not load the first hint"
