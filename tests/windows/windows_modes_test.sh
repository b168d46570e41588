#!/usr/bin/env bash
# The Windows saver under Wine, in the modes that need no drawing: the
# registry store against the real registry, the name, icon and version the
# desktop reads, modes that end at once, the password notice, and the preview inside a stand-in of the desktop's
# settings window, in both forms the desktop writes its handle.
set -u
cmake=$1 build=$2
. "$(dirname "$0")/../support/program.sh"
. "$(dirname "$0")/../support/wine.sh"

# The store itself, in a key of its own.
wine "$helpers/registry_store_check.exe" >"$scratch/store.out" 2>&1 ||
  fail "registry store: $(cat "$scratch/store.out")"

# The zip as a user unpacks it: the program, its help page and a Read me
# that tells how to install, where the settings live and how to remove it;
# the hints tell a Windows user where the settings are.
unzip -Z1 "$windows_build/Aerolark.zip" | grep -cxE 'Aerolark/(aerolark\.scr|support\.htm|Read me\.txt)' |
  grep -qx 3 || fail "the zip lacks aerolark.scr, support.htm or Read me.txt"
for words in "Install" "VB and VBA Program Settings" "delete the Aerolark folder"; do
  unzip -p "$windows_build/Aerolark.zip" "Aerolark/Read me.txt" | grep -qiF "$words" || fail "Read me lacks: $words"
done
for hint in TuneMsg.bmp monitor.bmp; do
  ! cmp -s "$windows_build/Aerolark/$hint" "$build/share/aerolark/$hint" || fail "$hint speaks Linux"; done

# What the desktop's list of screen savers reads from the file.
described=$(wine "$helpers/stand_in_desktop.exe" describe "$(windows_path "$scr")" | tr -d '\r')
[ "$described" = $'name Aerolark\nicon 1\nversion 1.0.0' ] || fail "the file describes itself as: $described"

# Modes that end at once: no window, nothing stored; a preview without a
# window ends with status 0, a switch the desktop never gives with 2.
for arguments in /x /X:123 "/k 5" /p "/p ab" "/p 999999"; do
  # shellcheck disable=SC2086
  start_scr quiet $arguments
  wait_until 15 has_ended "$pid" || fail "$arguments: still running"
  status=0
  wait "$pid" || status=$?
  [ "$status" -eq "$([[ $arguments == /p* ]] && echo 0 || echo 2)" ] || fail "$arguments: status $status"
  [ -z "$(wine_window Aerolark)" ] || fail "$arguments: left a window"
done
! saver_key_exists || fail "a mode that ends at once wrote settings"

# The password change: Windows asks for the sign-in password itself, and
# the notice says so until it is answered.
start_scr password /a
wait_until 20 has_wine_window Aerolark || fail "/a: no notice shown"
is_running "$pid" || fail "/a: ended before the notice was answered"
eval "$(xdotool getwindowgeometry --shell "$(wine_window Aerolark)")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))  # keys go where the pointer is
xdotool key Return
wait_until 10 has_ended "$pid" || fail "/a: did not end when the notice was answered"
wait "$pid" || fail "/a: status $?"

# The preview: a child titled "Preview" at the parent's client size, at its
# top left, ending with its parent, storing nothing.
for form in space colon; do
  wine "$helpers/stand_in_desktop.exe" preview "$(windows_path "$scr")" "$form" \
    >"$scratch/preview-$form.out" 2>&1 || fail "preview ($form): stand-in failed"
  seen=$(tr -d '\r' <"$scratch/preview-$form.out")
  parent=$(sed -n 's/^parent //p' <<<"$seen")
  [ -n "$parent" ] || fail "preview ($form): $seen"
  grep -qx "preview $parent at 0,0 child=1" <<<"$seen" || fail "preview ($form): $seen"
  grep -qx "running-with-parent 1" <<<"$seen" || fail "preview ($form) ended early: $seen"
  grep -qx "ended 0" <<<"$seen" || fail "preview ($form) did not end with its parent: $seen"
done
! saver_key_exists || fail "the preview wrote settings"
