# Shared by the Wine tests of the Windows saver: the Windows build, one
# fresh Wine prefix per script (making one takes seconds), running Windows
# programs in it, and its registry. A script sources program.sh, then this.

windows_build=${AEROLARK_WINDOWS_BUILD:-}
scr="$windows_build/Aerolark/aerolark.scr"
helpers="$windows_build/tests/windows"
wine_loader=/usr/lib/wine/wine64
[ -f "$scr" ] || skip "no Windows build at '${windows_build}' (make windows makes it)"
[ -x "$wine_loader" ] || fail "no Wine at $wine_loader (tools/packages/windows.txt installs wine64)"

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
# Every value of the saver's key as "Section/Name=Value" lines, in UTF-8,
# sorted (regedit exports it whole; reg.exe would print the console's code
# page). Values of other types read as regedit writes them: "dword:00000002".
registry_values() {
  local export="$scratch/registry.reg"
  rm -f "$export"
  wine regedit.exe /E "$(windows_path "$export")" "HKEY_CURRENT_USER\\${saver_key#HKCU\\}" 2>/dev/null
  [ -f "$export" ] || return 0
  iconv -f UTF-16LE -t UTF-8 "$export" | tr -d '\r' | perl -ne '
    if (/^\[.*\\([^\\]*)\]$/) { $section = $1; next }
    next unless /^"((?:[^"\\]|\\.)*)"=(?:"((?:[^"\\]|\\.)*)"|(.*))$/;
    my ($name, $value) = ($1, defined $2 ? $2 : $3);
    s/\\(.)/$1/g for $name, $value;
    print "$section/$name=$value\n";' | LC_ALL=C sort
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
