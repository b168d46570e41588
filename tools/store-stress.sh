#!/bin/bash
# The settings store under stress for a minute, and on a full file system.
#   tools/store-stress.sh [build-folder] [seconds]
# 1. The dialog's writes, a running saver's marker writes and a reader at
#    once (aerolark_store_stress).
# 2. A small tmpfs (64 kB) filled up, when this machine lets us mount one:
#    the real saver on a store it cannot rewrite ends in order on a key and
#    the old file stays whole.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-sanitize}
seconds=${2:-60}
status=0
work=$(mktemp -d /tmp/aerolark-stress-XXXXXX)
cleanup() { mountpoint -q "$work/full" && umount "$work/full"; rm -rf "$work"; }
trap cleanup EXIT

echo "== store stress, ${seconds}s"
"$build/bin/aerolark_store_stress" "$work/aerolark.ini" "$seconds" || status=1

echo "== full file system"
mkdir -p "$work/full"
if mount -t tmpfs -o size=64k tmpfs "$work/full" 2>"$work/mount.err"; then
  mkdir -p "$work/full/aerolark"
  printf '[Startup]\nSpeed=7\nMessageChecked=1\n[System]\nSetReg=\n' >"$work/full/aerolark/aerolark.ini"
  before=$(md5sum <"$work/full/aerolark/aerolark.ini")
  # Fill what is left, so no rewrite fits.
  dd if=/dev/zero of="$work/full/filler" bs=1k count=64 2>/dev/null
  df -k "$work/full" | tail -1
  outcome=$(HOSTILE_UNDER_XVFB=1 "$here/tools/with-xvfb" bash -c '
    . "$1/tools/hostile-lib.sh"; here=$1; sanitizer_environment
    saver_outcome "$2/bin/aerolark" "$3" 3 "$4/saver.log"' _ "$here" "$build" "$work/full" "$work")
  after=$(md5sum <"$work/full/aerolark/aerolark.ini")
  echo "saver on a full disk: $outcome; settings file $([ "$before" = "$after" ] && echo unchanged || echo CHANGED)"
  leftovers=$(ls "$work/full/aerolark" | grep -v -e '^aerolark.ini$' -e '\.lock$' || true)
  [ -n "$leftovers" ] && echo "left behind: $leftovers"
  [ "$outcome" = ended ] && [ "$before" = "$after" ] && [ -z "$leftovers" ] || status=1
else
  echo "tmpfs mount not permitted here: $(cat "$work/mount.err")"
fi
exit $status
