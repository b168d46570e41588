#!/usr/bin/env bash
# Soak: `aerolark /s` at TunePC 0 (a scene on every one of the 360 events a
# second) for MINUTES (default 30) under Xvfb, with SoundOff 1. Samples the
# resident memory every 10 s and reads the trace, through a pipe, for the
# one-second timers: Timer1 must stop after its 501st tick; tmrSound must
# silence the sound from its 60th tick on, on every tick, with no PlaySound
# after. (Its count wraps only after 86398 ticks, a day; a soak of minutes
# can show only that the count runs and the silencing repeats.)
# Not run by `make bench`. Usage: soak.sh [MINUTES] [BUILD_DIR]
set -u
minutes=${1:-30}
build=$(cd "${2:-build}" && pwd)
bin=$build/bin/aerolark
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
# shellcheck source=bench/lib/process-tools.sh
. "$here/lib/process-tools.sh"
trap 'stop_servers; rm -rf "$work"' EXIT
export SDL_AUDIODRIVER=dummy

make_config "$work/cfg" 0 1
start_xvfb "-screen 0 1024x768x24" || { echo "no Xvfb"; exit 1; }
mkfifo "$work/trace"
# Counts per tick of tmrSound: which tick first silenced, how many did, and
# any PlaySound after the first silencing.
awk -F'\t' '
  $1 == "E" { last = $2 }
  $1 == "E" && $2 == "Timer1" { timer1++ }
  $1 == "E" && $2 == "tmrSound" { sound++ }
  $1 == "C" && $2 == "StopAllSounds" && last == "tmrSound" {
    if (!first) first = sound
    silenced++
  }
  $1 == "C" && $2 == "PlaySound" { plays++; if (first) late++ }
  END {
    printf "timer1_ticks=%d\ntmrsound_ticks=%d\nfirst_silencing_tick=%d\n", timer1, sound, first
    printf "silencing_ticks=%d\nplays=%d\nplays_after_silencing=%d\n", silenced, plays, late
  }' < "$work/trace" > "$work/counts" &
counter=$!

XDG_CONFIG_HOME=$work/cfg DISPLAY=$xvfb_display AEROLARK_TRACE=$work/trace \
  AEROLARK_STATS=$work/stats "$bin" /s &
saver=$!
echo "soak: $minutes min, pid $saver; seconds  RSS MB"
samples=$((minutes * 6))
for i in $(seq 1 "$samples"); do
  sleep 10
  kill -0 $saver 2>/dev/null || { echo "saver ended early"; break; }
  rss=$(rss_mb $saver)
  echo "$((i * 10)) $rss" >> "$work/rss"
  [ $((i % 6)) -eq 0 ] && echo "  $((i * 10)) s  $rss"
done
kill -TERM $saver 2>/dev/null; wait $saver
wait $counter

awk 'NR == 6 { early = $2 } { last = $2; if ($2 > max) max = $2 }
     END { printf "RSS: %.1f MB at 1 min, %.1f MB at the end, %.1f MB at most: growth %+.1f MB\n",
                  early, last, max, last - early }' "$work/rss"
cat "$work/counts"
elapsed=$((samples * 10))
t1=$(stat_value "$work/counts" timer1_ticks)
first=$(stat_value "$work/counts" first_silencing_tick)
ticks=$(stat_value "$work/counts" tmrsound_ticks)
silenced=$(stat_value "$work/counts" silencing_ticks)
if [ "$elapsed" -gt 505 ]; then
  [ "$t1" -eq 501 ] && echo "Timer1: stopped after tick 501 (ok)" || echo "Timer1: $t1 ticks (expected 501)"
else
  echo "Timer1: $t1 ticks (the run is too short to see it stop at 501)"
fi
[ "$first" -eq 60 ] && [ "$silenced" -eq $((ticks - 59)) ] &&
  echo "tmrSound: silenced from tick 60 on every later tick (ok)" ||
  echo "tmrSound: first silenced on tick $first, $silenced of $ticks ticks (expected 60, $((ticks - 59)))"
echo "loop figures:"; cat "$work/stats"
