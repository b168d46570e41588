#!/usr/bin/env bash
# The real XScreenSaver daemon runs `aerolark /s` as its only display mode:
# activated, the scene fills the daemon's window; deactivated, the saver is
# gone within a second.
set -u
cmake=$1 build=$2
. "$(dirname "$0")/../support/program.sh"

command -v xscreensaver >/dev/null || skip "xscreensaver is not installed"
. "$(dirname "$0")/../support/hosts.sh"

install_to "$scratch/prefix" || fail "cmake --install failed"
run_under_xscreensaver "$scratch/prefix/bin/aerolark /s" "$scratch/prefix/share/aerolark/Sunset Red.BMP" 1 \
  -f "$scratch/prefix/bin/aerolark /s"
