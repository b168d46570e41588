#!/bin/bash
# The real program (sanitizer build) with each built-in file damaged in turn
# in a private copy of the install folder: the saver must start, run 3 s and
# end on a key. Prints a table: file, damage, saver outcome, peak memory.
#   tools/damaged-files.sh [build-folder] [saver-seconds]
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-sanitize}
seconds=${2:-3}
. "$here/tools/hostile-lib.sh"
under_own_xvfb "$0" "$build" "$seconds"
sanitizer_environment
work=$(mktemp -d /tmp/aerolark-damaged-XXXXXX)
trap 'rm -rf "$work"' EXIT
damage=$build/bin/aerolark_damage
program=$(make_install "$build" "$work/install")
share=$work/install/share/aerolark
cp -r "$share" "$work/pristine"

# Every built-in file the saver loads: what the build wrote, less the preview's.
files=$(cd "$share" && ls | grep -vx preview.bmp | tr ' ' _ | tr '\n' ' ')
picture_damages="empty truncated random folder huge_bmp huge_png huge_gif huge_jpeg lying_png_chunk"
sound_damages="empty truncated random folder huge_wave"

# DAMAGED_FILES: only these (spaces in names written as _), to split a run.
files=${DAMAGED_FILES:-$files}
printf '%-16s %-10s %-10s %s\n' FILE DAMAGE SAVER PEAK_MB
failures=0
for file in $files; do
  name=${file//_/ }
  damages=$picture_damages
  [ "${name##*.}" = wav ] && damages=$sound_damages
  for kind in $damages; do
    config=$work/config-$file-$kind
    mkdir -p "$config/aerolark"
    # Every picture in use: both hints, the background picture and the logo.
    defaults_file "$share/" >"$config/aerolark/aerolark.ini"
    "$damage" "$share/$name" "$kind"
    outcome=$(saver_outcome "$program" "$config" "$seconds" "$config/saver.log")
    peak=$(( $(cat "$config/saver.log.peak" 2>/dev/null || echo 0) / 1024 ))
    printf '%-16s %-10s %-10s %s\n' "$name" "$kind" "$outcome" "$peak"
    if [ "$outcome" != ended ]; then
      failures=$((failures + 1))
      mkdir -p "$here/build-hostile-logs" && cp -r "$config" "$here/build-hostile-logs/"
    fi
    rm -rf "${share:?}/$name"
    cp "$work/pristine/$name" "$share/$name"
  done
done
echo "failures: $failures"
[ "$failures" -eq 0 ]
