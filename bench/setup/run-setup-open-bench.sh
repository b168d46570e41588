#!/usr/bin/env bash
# Start-to-shown time of the settings dialog, with the machine's fonts and
# with a thousand extra font families in a temporary fontconfig folder.
# Usage: run-setup-open-bench.sh BUILD_DIR   (needs Xvfb; prints figures only)
set -u
build=${1:-build}
bench=$build/bench/aerolark_setup_open_bench
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

source_font=$(fc-match -f '%{file}' 'DejaVu Sans')
mkdir -p "$work/fonts" "$work/cache"
# One renamed copy per family; a scan-time rule gives each its own family
# name, as a thousand different fonts would have.
{
  echo '<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "fonts.dtd"><fontconfig>'
  echo '<include ignore_missing="yes">/etc/fonts/fonts.conf</include>'
  echo "<dir>$work/fonts</dir><cachedir>$work/cache</cachedir>"
  for i in $(seq -w 1 1000); do
    cp "$source_font" "$work/fonts/bench$i.ttf"
    echo "<match target=\"scan\"><test name=\"file\"><string>$work/fonts/bench$i.ttf</string></test>"
    echo "<edit name=\"family\" mode=\"assign\"><string>Bench Family $i</string></edit></match>"
  done
  echo '</fontconfig>'
} > "$work/fonts.conf"

run() {
  "$here/../../tools/with-xvfb" "$bench" 2>/dev/null | sed "s/^/$1: /"
}
echo "machine fonts (3 runs):"
for _ in 1 2 3; do run "  system"; done
echo "a thousand extra families, first run (fontconfig builds its cache):"
FONTCONFIG_FILE=$work/fonts.conf run "  cold"
echo "a thousand extra families, cache in place (3 runs):"
for _ in 1 2 3; do FONTCONFIG_FILE=$work/fonts.conf run "  warm"; done
