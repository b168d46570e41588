#!/usr/bin/env bash
# A fresh install in a temporary prefix runs from there: the program finds
# its pictures and sound beside itself, not in the build tree.
set -u
cmake=$1 build=$2
. "$(dirname "$0")/host_support.sh"

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
mkdir -p "$scratch/config" "$scratch/runtime"
XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime" AEROLARK_WINDOWED=1 \
  SDL_AUDIODRIVER=dummy AEROLARK_TRACE="$scratch/trace" "$prefix/bin/aerolark" /s &
pid=$!
wait_until 10 grep -q '^E	DrawFrame' "$scratch/trace" || fail "no frame drawn"
kill -TERM "$pid"
wait "$pid" || fail "exit status $?"

grep -q "^C	OpenScreen	800	600	16		=	True" "$scratch/trace" || fail "screen not opened"
grep -q "^C	LoadSprite	.*	1	$prefix/share/aerolark/biplane15.bmp	-1$" "$scratch/trace" ||
  fail "biplanes not loaded from the prefix"
grep -q "^C	LoadSound	$prefix/share/aerolark/biplane1.wav	=" "$scratch/trace" ||
  fail "sound not loaded from the prefix"
grep -q "BMPFileName=$prefix/share/aerolark/Sunset Red.BMP" "$scratch/config/aerolark/aerolark.ini" ||
  fail "default background does not name the installed picture"
if grep "LoadSprite" "$scratch/trace" | grep -q "$build"; then fail "a picture came from the build tree"; fi
