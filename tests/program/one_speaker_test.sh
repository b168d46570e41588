#!/usr/bin/env bash
# One saver per monitor, as a host such as the XScreenSaver daemon runs
# them: each in its own host window, only one of them plays the propeller.
# A host window that does not exist ends the saver with a message on
# standard error, not a box.
set -u
cmake=$1 build=$2
. "$(dirname "$0")/../support/program.sh"
xmessage -name host1 -geometry 320x240+0+0 one &
hosts=($!)
xmessage -name host2 -geometry 320x240+400+0 two &
hosts+=($!)
on_exit "kill ${hosts[*]} 2>/dev/null"
window_of() { xdotool search --classname "$1" 2>/dev/null | head -n 1; }
has_window() { [ -n "$(window_of "$1")" ]; }
wait_until 10 has_window host1 && wait_until 10 has_window host2 || fail "no host windows"

savers=()
for n in 1 2; do
  XSCREENSAVER_WINDOW=$(printf '0x%X' "$(window_of host$n)") SDL_AUDIODRIVER=disk \
    SDL_DISKAUDIOFILE="$scratch/sound$n.raw" "$program" /s &
  savers+=($!)
done
# The aircraft's first pass starts its sound within the first second.
nonzero_bytes() { tr -d '\000' < "$scratch/sound$1.raw" 2>/dev/null | wc -c; }
one_is_loud() { [ "$(nonzero_bytes 1)" -gt 10000 ] || [ "$(nonzero_bytes 2)" -gt 10000 ]; }
wait_until 10 one_is_loud || fail "no saver played the propeller"
sleep 1  # the other must stay silent: a while to show it does
for pid in "${savers[@]}"; do
  is_running "$pid" || fail "a saver ended by itself"
  kill -TERM "$pid"
done
for pid in "${savers[@]}"; do wait "$pid" || fail "saver exit status $?"; done

loud=0
for n in 1 2; do
  [ -s "$scratch/sound$n.raw" ] || fail "saver $n wrote no audio at all"
  nonzero=$(nonzero_bytes $n)
  echo "saver $n: $nonzero non-zero audio bytes"
  [ "$nonzero" -gt 10000 ] && loud=$((loud + 1))
done
[ "$loud" -eq 1 ] || fail "$loud savers played the propeller, not one"

start=$(date +%s%N)
XSCREENSAVER_WINDOW=0x1 SDL_AUDIODRIVER=dummy timeout 10 "$program" /s 2>"$scratch/stderr"
status=$?
[ "$status" -eq 1 ] || fail "a missing host window gave status $status"
grep -q "64K colors" "$scratch/stderr" || fail "no message on standard error"
echo "missing host window: ended in $(( ($(date +%s%N) - start) / 1000000 )) ms"
