# Shell helpers of the whole-process measurements: private Xvfb servers,
# settings folders, and a process's CPU time and memory from /proc.
# Sourced; expects $work (a scratch folder) and $bin (the aerolark program).

servers=()
stop_servers() {
  local pid
  for pid in "${servers[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
  servers=()
}

# start_xvfb "Xvfb arguments": starts a server and sets $xvfb_display to its
# name. Call it directly, not in $(...), so the server is remembered.
start_xvfb() {
  local n
  for n in $(seq 120 400); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    # shellcheck disable=SC2086
    Xvfb ":$n" $1 -nolisten tcp -noreset >/dev/null 2>&1 &
    local pid=$!
    local _
    for _ in $(seq 1 100); do
      DISPLAY=:$n xdpyinfo >/dev/null 2>&1 && break
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.05
    done
    if DISPLAY=:$n xdpyinfo >/dev/null 2>&1; then
      servers+=("$pid")
      xvfb_display=:$n
      return 0
    fi
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  done
  return 1
}

# make_config DIR TUNEPC [SOUNDOFF] [PROP]: a settings folder holding the
# defaults the saver writes on its first start, with both one-time hints
# already shown.
make_config() {
  local dir=$1 tune=$2 soundoff=${3:-Never} prop=${4:-1}
  mkdir -p "$dir/aerolark"
  {
    echo "[Startup]"
    echo "TunePC=$tune"
    echo "[System]"
    echo "SetReg=1"
  } > "$dir/aerolark/aerolark.ini"
  # SetReg other than 2 makes the saver write every default; SIGTERM ends it.
  start_xvfb "-screen 0 800x600x24" || return 1
  XDG_CONFIG_HOME=$dir DISPLAY=$xvfb_display SDL_AUDIODRIVER=dummy timeout -s TERM 3 \
    "$bin" /s >/dev/null 2>&1
  stop_servers
  sed -i -e 's/^TuneScrSvr=.*/TuneScrSvr=True/' -e 's/^RunMonitor=.*/RunMonitor=True/' \
    -e "s/^TunePC=.*/TunePC=$tune/" -e "s/^SoundOff=.*/SoundOff=$soundoff/" \
    -e "s/^Prop=.*/Prop=$prop/" \
    "$dir/aerolark/aerolark.ini"
}

# CPU seconds (user + system, all threads) a live process has used so far.
cpu_seconds() {
  awk -v tick="$(getconf CLK_TCK)" '{ sub(/.*\) /, ""); print ($12 + $13) / tick }' \
    "/proc/$1/stat"
}
# Context switches so far of a live process's threads, one "TID VOLUNTARY
# ALL" line each. A voluntary switch is the thread going to sleep, so each
# is one wake-up; the others are the thread being preempted.
thread_switches() {
  awk '/^voluntary_ctxt_switches/ { split(FILENAME, p, "/"); v[p[5]] += $2 }
       /ctxt_switches/ { split(FILENAME, p, "/"); n[p[5]] += $2 }
       END { for (t in n) print t, v[t], n[t] }' /proc/"$1"/task/*/status 2>/dev/null
}
# switches_between FIRST LAST: "VOLUNTARY ALL" between two thread_switches
# samples; a thread missing from FIRST began since and counts from 0; one
# missing from LAST ended, and what it did since FIRST is lost (so sample
# often).
switches_between() {
  awk 'NR == FNR { v[$1] = $2; n[$1] = $3; next }
       { sv += $2 - (($1 in v) ? v[$1] : 0); sn += $3 - (($1 in n) ? n[$1] : 0) }
       END { print sv + 0, sn + 0 }' "$1" "$2"
}

# measure_cost PID XPID SECONDS OUT: over SECONDS, the CPU share of the
# process (user + system, all threads) and of its X server, and the
# wake-ups (voluntary context switches) and all context switches a second
# of all the process's threads, sampled twice a second so that a thread
# that ends meanwhile loses at most half a second. Writes "program_share
# x_share wakeups_per_second switches_per_second" to OUT.
measure_cost() {
  local pid=$1 xpid=$2 seconds=$3 out=$4
  local samples start cpu0 x0 wakes=0 total=0 n=0 end v a
  samples=$(mktemp -d)
  start=$(now) cpu0=$(cpu_seconds "$pid") x0=$(cpu_seconds "$xpid")
  thread_switches "$pid" > "$samples/0"
  end=$(calc %.3f "$start + $seconds")
  while [ "$(calc %d "$(now) < $end")" = 1 ]; do
    sleep 0.5
    n=$((n + 1))
    thread_switches "$pid" > "$samples/$n"
    read -r v a < <(switches_between "$samples/$((n - 1))" "$samples/$n")
    wakes=$((wakes + v)) total=$((total + a))
  done
  local stop cpu1 x1
  stop=$(now) cpu1=$(cpu_seconds "$pid") x1=$(cpu_seconds "$xpid")
  calc "%.5f %.5f %.1f %.1f\n" "($cpu1 - $cpu0) / ($stop - $start), ($x1 - $x0) / ($stop - $start), $wakes / ($stop - $start), $total / ($stop - $start)" > "$out"
  rm -rf "$samples"
}

# Peak and current resident memory of a live process, in MB.
peak_rss_mb() { awk '/^VmHWM/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
rss_mb() { awk '/^VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
# stat_value FILE KEY: one figure from an AEROLARK_STATS file.
stat_value() { sed -n "s/^$2=//p" "$1"; }
now() { date +%s.%N; }
calc() { awk "BEGIN { printf \"$1\", $2 }"; }
