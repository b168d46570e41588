#!/usr/bin/env bash
# A fresh install in a temporary prefix runs from there: the program finds
# its pictures and sound beside itself, not in the build tree.
set -u
cmake=$1 build=$2
. "$(dirname "$0")/../support/program.sh"

install_to "$scratch/first" || fail "cmake --install failed"
for f in bin/aerolark share/xscreensaver/config/aerolark.xml \
         share/applications/screensavers/aerolark.desktop \
         share/applications/aerolark-settings.desktop share/man/man6/aerolark.6; do
  [ -e "$scratch/first/$f" ] || fail "not installed: $f"
done
diff -r "$build/share/aerolark" "$scratch/first/share/aerolark" >/dev/null ||
  fail "the built-in files were not all installed"
# Moved elsewhere, the copy must still find its own files.
mv "$scratch/first" "$scratch/moved"
prefix="$scratch/moved"
program="$prefix/bin/aerolark"
AEROLARK_WINDOWED=1 start_saver installed
kill -TERM "$pid"
wait "$pid" || fail "exit status $?"

grep -q "^C	OpenScreen	800	600	16		=	True" "$scratch/installed.trace" || fail "screen not opened"
grep -q "^C	LoadSprite	.*	1	$prefix/share/aerolark/biplane15.bmp	-1$" "$scratch/installed.trace" ||
  fail "biplanes not loaded from the prefix"
grep -q "^C	LoadSound	$prefix/share/aerolark/biplane1.wav	=" "$scratch/installed.trace" ||
  fail "sound not loaded from the prefix"
grep -q "BMPFileName=$prefix/share/aerolark/Sunset Red.BMP" "$settings" ||
  fail "default background does not name the installed picture"
if grep "LoadSprite" "$scratch/installed.trace" | grep -q "$build"; then fail "a picture came from the build tree"; fi
