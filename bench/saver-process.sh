#!/usr/bin/env bash
# Whole-process figures of `aerolark /s` under Xvfb, each beside its
# comparison measured in the same run:
#   CPU      the saver against the floor program (one still frame presented
#            through the same driver at the same rate), both running at once
#            on twin Xvfb servers, at 800x600 and 1920x1080; and at TunePC 0;
#            while both run, and from launch with the start-up in it
#   pacing   DrawFrame events a second against 360, the longest gap between
#            two presents against two display refreshes (AEROLARK_STATS)
#   start    program start to first presented frame, windowed, against the floor
#   stop     a key press (xdotool) to the process being gone
#   memory   peak resident memory of /s and of /c
# Settings: the defaults the saver writes on a first start, with both
# one-time hints marked shown (TuneScrSvr and RunMonitor True).
# Usage: saver-process.sh BUILD_DIR   (AEROLARK_BENCH_SECONDS, default 20;
#        AEROLARK_BENCH_ROUNDS of each CPU pairing, default 3)
set -u
build=$(cd "${1:-build}" && pwd)
bin=$build/bin/aerolark
floor=$build/bench/programs/aerolark-floor
seconds=${AEROLARK_BENCH_SECONDS:-20}
rounds=${AEROLARK_BENCH_ROUNDS:-3}
settle=2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
# shellcheck source=bench/lib/process-tools.sh
. "$here/lib/process-tools.sh"
trap 'stop_servers; rm -rf "$work"' EXIT
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
export SDL_AUDIODRIVER=dummy

# side_by_side NAME "Xvfb arguments" CONFIG: the saver and the floor at once,
# each on its own server, $rounds times (the machine's other work moves
# single figures by a tenth or more). Each round appends a line to
# NAME.{saver,floor}.running (CPU share over $seconds, from $settle s after
# launch, when both show frames) and NAME.{saver,floor}.launch (CPU share
# from launch to the end, start-up included); leaves
# NAME.{saver,floor}.{rss,stats} of the last round.
side_by_side() {
  local name=$1 screen=$2 config=$3 round
  for round in $(seq 1 "$rounds"); do
    one_side_by_side "$name" "$screen" "$config" || return 1
  done
}

one_side_by_side() {
  local name=$1 screen=$2 config=$3
  local d1 d2
  start_xvfb "$screen" || { echo "no Xvfb"; return 1; }
  d1=$xvfb_display
  start_xvfb "$screen" || { echo "no Xvfb"; return 1; }
  d2=$xvfb_display
  local launched
  launched=$(now)
  XDG_CONFIG_HOME=$config DISPLAY=$d1 AEROLARK_STATS=$work/$name.saver.stats "$bin" /s &
  local saver=$!
  DISPLAY=$d2 AEROLARK_STATS=$work/$name.floor.stats "$floor" &
  local still=$!
  sleep "$settle"
  local start saver0 still0
  start=$(now) saver0=$(cpu_seconds $saver) still0=$(cpu_seconds $still)
  sleep "$seconds"
  local end saver1 still1
  end=$(now) saver1=$(cpu_seconds $saver) still1=$(cpu_seconds $still)
  calc "%.4f\n" "($saver1 - $saver0) / ($end - $start)" >> "$work/$name.saver.running"
  calc "%.4f\n" "($still1 - $still0) / ($end - $start)" >> "$work/$name.floor.running"
  calc "%.4f\n" "$saver1 / ($end - $launched)" >> "$work/$name.saver.launch"
  calc "%.4f\n" "$still1 / ($end - $launched)" >> "$work/$name.floor.launch"
  peak_rss_mb $saver > "$work/$name.saver.rss"
  peak_rss_mb $still > "$work/$name.floor.rss"
  kill -TERM $saver $still
  wait $saver $still 2>/dev/null
  stop_servers
}

# report_cpu NAME LABEL KIND: medians of the rounds, and every round's ratio.
report_cpu() {
  local name=$1 label=$2 kind=$3
  local s f ratios
  s=$(median < "$work/$name.saver.$kind") f=$(median < "$work/$name.floor.$kind")
  ratios=$(paste "$work/$name.saver.$kind" "$work/$name.floor.$kind" |
    awk '{ printf "%.3f\n", $1 / $2 }')
  printf '%-34s saver %5.1f%% of a core, floor %5.1f%%: ratio %.2f (target <= 1.2); rounds %s\n' \
    "$label" "$(calc %.2f "$s * 100")" "$(calc %.2f "$f * 100")" "$(median <<< "$ratios")" \
    "$(echo $ratios)"
}

report_pacing() {
  local name=$1 label=$2 file=$work/$1.saver.stats
  [ -s "$file" ] || { echo "$label: no figures written"; return; }
  local rate gap refresh presents
  rate=$(stat_value "$file" draw_frames_per_second)
  gap=$(stat_value "$file" longest_present_gap_ms)
  refresh=$(stat_value "$file" present_rate)
  presents=$(stat_value "$file" presents_per_second)
  printf '%-34s DrawFrame %.1f/s vs 360 (%+.2f%%, target within 1%%); presents %.1f/s;\n' \
    "$label" "$rate" "$(calc %.3f "($rate - 360) / 3.6")" "$presents"
  printf '%-34s longest gap between presents %.1f ms vs two refreshes %.1f ms [%s]\n' \
    "" "$gap" "$(calc %.1f "2000 / $refresh")" "$(stat_value "$file" presenter)"
}

# first_frame PROGRAM ARGS...: milliseconds from launch to the first present,
# windowed.
first_frame() {
  local stats=$work/first.stats
  rm -f "$stats"
  local start
  start=$(now)
  AEROLARK_WINDOWED=1 AEROLARK_STATS=$stats "$@" &
  local pid=$!
  sleep 2.5
  kill -TERM $pid; wait $pid 2>/dev/null
  calc "%.1f" "($(stat_value "$stats" first_present_unix) - $start) * 1000"
}


echo "settings: defaults, both hints already shown; sound through SDL's dummy driver"
make_config "$work/cfg6" 6
make_config "$work/cfg0" 0

side_by_side small "-screen 0 800x600x24" "$work/cfg6"
side_by_side large "-screen 0 1920x1080x24" "$work/cfg6"
side_by_side tune0 "-screen 0 800x600x24" "$work/cfg0"

echo "-- CPU, whole process (user + system, all threads), median of $rounds rounds"
echo "   over $seconds s, from $settle s after launch (both showing frames):"
report_cpu small "800x600 screen, TunePC 6:" running
report_cpu large "1920x1080 screen, TunePC 6:" running
report_cpu tune0 "800x600 screen, TunePC 0:" running
echo "   from launch, start-up included ($((settle + seconds)) s):"
report_cpu small "800x600 screen, TunePC 6:" launch
report_cpu large "1920x1080 screen, TunePC 6:" launch
report_cpu tune0 "800x600 screen, TunePC 0:" launch
echo "-- pacing over $seconds s"
report_pacing small "800x600, TunePC 6:"
report_pacing large "1920x1080, TunePC 6:"
report_pacing tune0 "800x600, TunePC 0:"

echo "-- start: launch to first presented frame, windowed (median of 5, alternating)"
start_xvfb "-screen 0 1024x768x24"
display=$xvfb_display
: > "$work/first.saver"; : > "$work/first.floor"
for _ in 1 2 3 4 5; do
  XDG_CONFIG_HOME=$work/cfg6 DISPLAY=$display first_frame "$bin" /s >> "$work/first.saver"
  echo >> "$work/first.saver"
  DISPLAY=$display first_frame "$floor" >> "$work/first.floor"
  echo >> "$work/first.floor"
done
fs=$(median < "$work/first.saver") ff=$(median < "$work/first.floor")
printf 'saver %.1f ms, floor %.1f ms: %+.1f ms (target <= +60 ms)\n' "$fs" "$ff" \
  "$(calc %.1f "$fs - $ff")"

echo "-- stop: key press (xdotool) to the process gone, full screen (median of 5)"
: > "$work/stop"
for _ in 1 2 3 4 5; do
  XDG_CONFIG_HOME=$work/cfg6 DISPLAY=$display "$bin" /s &
  pid=$!
  sleep 1.5
  start=$(now)
  DISPLAY=$display xdotool key a
  sent=$(now)
  wait $pid 2>/dev/null
  gone=$(now)
  calc "%.1f\n" "($gone - $sent) * 1000" >> "$work/stop"
  calc "%.1f\n" "($gone - $start) * 1000" >> "$work/stop.wide"
done
printf 'saver gone %.1f ms after xdotool returned, %.1f ms after it started (target 50 ms)\n' \
  "$(median < "$work/stop")" "$(median < "$work/stop.wide")"

echo "-- memory (peak resident)"
printf '/s %s MB at 800x600, %s MB at 1920x1080, %s MB at TunePC 0 (target 60 MB); floor %s MB\n' \
  "$(cat "$work/small.saver.rss")" "$(cat "$work/large.saver.rss")" \
  "$(cat "$work/tune0.saver.rss")" "$(cat "$work/small.floor.rss")"
XDG_CONFIG_HOME=$work/cfg6 DISPLAY=$display QT_QPA_PLATFORM=xcb "$bin" /c >/dev/null 2>&1 &
pid=$!
sleep 4
printf '/c (the settings dialog, after 4 s) %s MB\n' "$(peak_rss_mb $pid)"
kill -TERM $pid; wait $pid 2>/dev/null
