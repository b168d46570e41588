# Shared by the Wine tests of the Windows saver: the Windows build, one
# fresh Wine prefix per script (making one takes seconds), running Windows
# programs in it, and its registry. A script sources program.sh, then this.

windows_build=${AEROLARK_WINDOWS_BUILD:-}
scr="$windows_build/Aerolark/aerolark.scr"
helpers="$windows_build/tests/windows"
wine_loader=/usr/lib/wine/wine64
if [ ! -f "$scr" ]; then
  echo "SKIP: no Windows build at '${windows_build}' (make windows makes it)"
  exit 77
fi
[ -x "$wine_loader" ] || fail "no Wine at $wine_loader (tools/packages.txt installs wine64)"

export WINEPREFIX="$scratch/wine" WINEDEBUG=-all
# No offer to install Mono or Gecko: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset AEROLARK_WINDOWED AEROLARK_TRACE AEROLARK_STATS
wine() { "$wine_loader" "$@"; }
# Every Wine process of the prefix ends with the script.
on_exit "WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null"
wine wineboot.exe -i >"$scratch/wineboot.out" 2>&1 || fail "no Wine prefix: $(cat "$scratch/wineboot.out")"

# The path as Windows programs in the prefix see it (drive Z: is /).
windows_path() { local p=${1//\//\\}; echo "Z:$p"; }

saver_key='HKCU\Software\VB and VBA Program Settings\Aerolark'
# reg_values SECTION: "Name=Value" lines of the saver's section, sorted by name.
reg_values() {
  wine reg.exe query "$saver_key\\$1" 2>/dev/null | tr -d '\r' |
    sed -n 's/^    \([^ ]*\)    REG_SZ    \(.*\)$/\1=\2/p; s/^    \([^ ]*\)    REG_SZ$/\1=/p' | LC_ALL=C sort
}
saver_key_exists() { wine reg.exe query "$saver_key" >/dev/null 2>&1; }

# start_scr NAME ARGUMENT...: runs the saver with its trace in
# $scratch/NAME.trace and its output beside it; sets $pid.
start_scr() {
  local name=$1; shift
  AEROLARK_TRACE=$(windows_path "$scratch/$name.trace") wine "$scr" "$@" \
    >"$scratch/$name.out" 2>"$scratch/$name.err" &
  pid=$!
  on_exit "kill -KILL $pid 2>/dev/null"
}

# A Wine window's X id by its exact title (the newest when several).
wine_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1; }
has_wine_window() { [ -n "$(wine_window "$1")" ]; }
