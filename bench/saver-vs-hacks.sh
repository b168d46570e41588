#!/usr/bin/env bash
# What showing the saver for hours costs, beside XScreenSaver's own hacks
# drawing the same screen: every program at once, side by side in one run,
# each on a private Xvfb of its own, at 800x600 and at 1920x1080.
#   CPU        the program's user + system time (all threads) plus its X
#              server's, as a share of one core, over $seconds from $settle s
#              after launch
#   wake-ups   voluntary context switches a second of all the program's
#              threads (each one a sleep ended by a wake-up), and in
#              brackets all context switches, preemptions included
#   pacing     the saver's own figures (AEROLARK_STATS): DrawFrame events and
#              presents a second, the longest gap between two presents
# The saver runs at its defaults with both one-time hints shown, and again
# with the aircraft and its propeller sound off (Prop 0): the wake-ups of a
# saver while no sound plays. Beside them, the floor of any X client showing
# 60 frames a second: a program that sends one pixel each frame the saver's
# way (bench/drivers/x_put_floor.cpp). The hacks run at their defaults on the
# root window. Targets: CPU at most 0.6 times the hacks' median at 800x600 and
# 0.5 times at 1920x1080; <= 65 wake-ups a second with no sound.
# Usage: saver-vs-hacks.sh BUILD_DIR [OTHER_BUILD_DIR]
#   OTHER_BUILD_DIR: another build's saver runs beside, in the same run (a
#   build from before a change). AEROLARK_BENCH_SECONDS, default 20.
set -u
build=$(cd "${1:-build}" && pwd)
other=${2:+$(cd "$2" && pwd)}
bin=$build/bin/aerolark
floor=$build/bench/programs/aerolark-x-put-floor
seconds=${AEROLARK_BENCH_SECONDS:-20}
settle=2
hacks=(popsquares swirl galaxy deco scooter ripples shadebobs abstractile fuzzyflakes binaryring)
hackdir=/usr/libexec/xscreensaver
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
# shellcheck source=bench/lib/process-tools.sh
. "$here/lib/process-tools.sh"
programs=()
trap 'kill "${programs[@]}" 2>/dev/null; stop_servers; rm -rf "$work"' EXIT
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
export SDL_AUDIODRIVER=dummy

missing=()
for hack in "${hacks[@]}"; do [ -x "$hackdir/$hack" ] || missing+=("$hack"); done
if [ ${#missing[@]} -gt 0 ]; then
  echo "no XScreenSaver hacks (${missing[*]}): run tools/install-deps test (xscreensaver-data)"
  exit 0
fi

make_config "$work/defaults" 6
make_config "$work/silent" 6 Never 0

# launch NAME SCREEN COMMAND...: the program on an X server of its own.
launch() {
  local name=$1 screen=$2
  shift 2
  start_xvfb "-screen 0 ${screen}x24" || { echo "no Xvfb"; exit 1; }
  DISPLAY=$xvfb_display AEROLARK_STATS=$work/$name.stats "$@" >/dev/null 2>&1 &
  programs+=($!)
  echo "$name $! ${servers[-1]}" >> "$work/running"
}

# run_all SCREEN: every program at once, measured over the same seconds.
run_all() {
  local screen=$1 name pid xpid
  : > "$work/running"
  launch saver "$screen" env XDG_CONFIG_HOME="$work/defaults" "$bin" /s
  launch saver-silent "$screen" env XDG_CONFIG_HOME="$work/silent" "$bin" /s
  if [ -n "$other" ]; then
    launch other "$screen" env XDG_CONFIG_HOME="$work/defaults" "$other/bin/aerolark" /s
    launch other-silent "$screen" env XDG_CONFIG_HOME="$work/silent" "$other/bin/aerolark" /s
  fi
  [ -x "$floor" ] && launch floor "$screen" "$floor"
  for hack in "${hacks[@]}"; do launch "$hack" "$screen" "$hackdir/$hack" -root; done
  sleep "$settle"
  local measures=()
  while read -r name pid xpid; do
    measure_cost "$pid" "$xpid" "$seconds" "$work/$name.$screen.cost" &
    measures+=($!)
  done < "$work/running"
  wait "${measures[@]}"
  kill -TERM "${programs[@]}" 2>/dev/null
  wait "${programs[@]}" 2>/dev/null
  programs=()
  stop_servers
  for name in saver saver-silent other other-silent; do
    [ -f "$work/$name.stats" ] && mv "$work/$name.stats" "$work/$name.$screen.stats"
  done
}

# row LABEL FILE: CPU total, program and X server, wake-ups, all switches.
row() {
  read -r program x wakes switches < "$2"
  printf '  %-34s %6.2f %%  (%5.2f + %5.2f)  %7.1f  (%6.1f)\n' "$1" \
    "$(calc %.3f "($program + $x) * 100")" "$(calc %.3f "$program * 100")" \
    "$(calc %.3f "$x * 100")" "$wakes" "$switches"
}

pacing() {
  local file=$2
  [ -s "$file" ] || return
  printf '  %-34s DrawFrame %.1f/s, presents %.1f/s, longest gap %.1f ms, loop wakes %s/s\n' \
    "$1" "$(stat_value "$file" draw_frames_per_second)" \
    "$(stat_value "$file" presents_per_second)" "$(stat_value "$file" longest_present_gap_ms)" \
    "$(stat_value "$file" loop_wakes_per_second)"
}

report() {
  local screen=$1 share=$2 hack
  echo "-- ${screen}: CPU % of a core (program + X server), wake-ups/s (all switches/s)"
  row "aerolark /s" "$work/saver.$screen.cost"
  row "aerolark /s, no aircraft or sound" "$work/saver-silent.$screen.cost"
  if [ -n "$other" ]; then
    row "other build /s" "$work/other.$screen.cost"
    row "other build, no aircraft or sound" "$work/other-silent.$screen.cost"
  fi
  [ -f "$work/floor.$screen.cost" ] && row "X client floor, 1 pixel a frame" "$work/floor.$screen.cost"
  for hack in "${hacks[@]}"; do row "$hack" "$work/$hack.$screen.cost"; done
  local cpu wakes saver saverWakes silentWakes
  cpu=$(for hack in "${hacks[@]}"; do awk '{ print ($1 + $2) * 100 }' "$work/$hack.$screen.cost"; done | median)
  wakes=$(for hack in "${hacks[@]}"; do awk '{ print $3 }' "$work/$hack.$screen.cost"; done | median)
  saver=$(awk '{ print ($1 + $2) * 100 }' "$work/saver.$screen.cost")
  saverWakes=$(awk '{ print $3 }' "$work/saver.$screen.cost")
  silentWakes=$(awk '{ print $3 }' "$work/saver-silent.$screen.cost")
  printf '  %-34s %6.2f %%                   %7.1f\n' "hacks' median" "$cpu" "$wakes"
  printf '  saver / hacks median: CPU %.2f, wake-ups %.2f (target CPU <= %s)\n' \
    "$(calc %.3f "$saver / $cpu")" "$(calc %.3f "$saverWakes / $wakes")" "$share"
  printf '  saver wake-ups with no sound: %.1f/s (target <= 65)\n' "$silentWakes"
  if [ -n "$other" ]; then
    local before
    before=$(awk '{ print ($1 + $2) * 100 }' "$work/other.$screen.cost")
    printf '  other build / hacks median: CPU %.2f; saver / other build: CPU %.2f\n' \
      "$(calc %.3f "$before / $cpu")" "$(calc %.3f "$saver / $before")"
  fi
  if [ -f "$work/floor.$screen.cost" ]; then
    printf '  X client floor / hacks median: CPU %.2f\n' \
      "$(calc %.3f "$(awk '{ print ($1 + $2) * 100 }' "$work/floor.$screen.cost") / $cpu")"
  fi
  pacing "aerolark /s pacing:" "$work/saver.$screen.stats"
  [ -n "$other" ] && pacing "other build pacing:" "$work/other.$screen.stats"
}

echo "all programs at once, each on its own Xvfb; over $seconds s from $settle s after launch"
run_all 800x600
run_all 1920x1080
report 800x600 0.6
report 1920x1080 0.5
