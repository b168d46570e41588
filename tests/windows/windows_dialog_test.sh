#!/usr/bin/env bash
# The settings dialog of the Windows saver (/c) under Wine, as a user meets it:
# an empty registry's opening fills in what the Linux dialog does, the volume's
# thumb and the captions show true; keys, clicks and the logo chooser store at
# once; an empty drive lists nothing, an unreadable one is reported; the About
# box shows whole, Online HELP opens the page beside the program, Alt+O ends
# it; opening and closing it untouched changes nothing.
set -u
cmake=$1 build=$2
. "$(dirname "$0")/../support/program.sh"
. "$(dirname "$0")/../support/wine.sh"

host=$(sed -n 's/^AEROLARK_WEB_HOST:STRING=//p' "$build/CMakeCache.txt")
caption="Aerolark  http://$host"

stores() { registry_values | grep -qxF "$1"; }
standin() { wine "$helpers/stand_in_desktop.exe" "$@" | tr -d '\r'; }
# control_rect TITLE ID: "left top width height" on the screen; ink_of LEFT
# TOP WIDTH HEIGHT [LEVEL]: "width left" of what is darker there (text).
control_rect() { standin controls "$1" | awk -v id="$2" '$1 == id { print $2, $3, $4, $5; exit }'; }
ink_of() {
  convert "$scratch/screen.png" -crop "$3x$4+$1+$2" +repage -colorspace gray -threshold "${5:-40%}" \
    -negate -trim -format '%w %X' info:
}
# The Linux dialog's file in the same form.
ini_values() {
  awk '/^\[/ { section = substr($0, 2, length($0) - 2); next } /=/ { print section "/" $0 }' "$1" |
    LC_ALL=C sort
}
comparable() { grep -v '^Startup/FontName=' | sed -E 's#^(Startup/(BMP|Logo)FileName=).*[/\\]#\1#'; }

# The Linux dialog on an empty store, for comparison: it is on screen once
# its opening has stored everything.
"$program" /c >"$scratch/linux.out" 2>&1 &
linux=$!
on_exit "kill -KILL $linux 2>/dev/null"
wait_until 60 shows_window "$caption" || fail "the Linux dialog did not open"
kill "$linux"
ini_values "$settings" >"$scratch/linux.values"

# start_dialog NAME: /c, until its window is on screen; sets $dialog and
# the window's X, Y, WIDTH, HEIGHT, and puts the pointer over it, where
# keys go without a window manager.
start_dialog() {
  start_scr "$1" /c
  wait_until 60 has_wine_window "$caption" || fail "$1: no window titled '$caption'"
  dialog=$(wine_window "$caption")
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 8))
}
end_with_alt_o() {
  xdotool key alt+o
  wait_until 20 has_ended "$pid" || fail "$1: Alt+O did not end the program"
  wait "$pid" || fail "$1: status $?"
}

# The chooser opens in the program's current folder.
pictures="$scratch/Pictures ☀"
mkdir -p "$pictures"
printf 'BM' >"$pictures/Ñandú.bmp"
printf 'GIF8' >"$pictures/clouds.gif"
cd "$pictures" || fail "no picture folder"
# A drive letter whose folder is gone, and an empty one (a blank USB stick);
# Wine takes in its drives when it starts.
ln -s "$scratch/no such drive" "$WINEPREFIX/dosdevices/x:"
mkdir "$scratch/empty stick" && ln -s "$scratch/empty stick" "$WINEPREFIX/dosdevices/f:"
/usr/lib/wine/wineserver -k
# The shell "opens" pages by noting what it was given.
opened="$scratch/opened.txt"
wine reg.exe add 'HKLM\Software\Classes\.htm' /ve /d AerolarkTestPage /f >/dev/null 2>&1
wine reg.exe add 'HKLM\Software\Classes\AerolarkTestPage\shell\open\command' /ve /f \
  /d "cmd.exe /c echo %1>>\"$(windows_path "$opened")\"" >/dev/null 2>&1 || fail "no stand-in for the browser"

# An empty registry: the opening stores what the Linux dialog stores, but for the
# font (each system's own list) and the built-in pictures' folder.
start_dialog opening
[ "$WIDTH" -ge 550 ] && [ "$HEIGHT" -ge 369 ] && [ "$WIDTH" -le 600 ] && [ "$HEIGHT" -le 420 ] ||
  fail "client area ${WIDTH}x${HEIGHT}, not about 550x369"
registry_values >"$scratch/opening.values"
diff <(comparable <"$scratch/linux.values") <(comparable <"$scratch/opening.values") \
  >"$scratch/opening.diff" || fail "the opening stores otherwise than on Linux: $(cat "$scratch/opening.diff")"
grep -q '^Startup/FontName=.' "$scratch/opening.values" || fail "no font stored"
# The volume's -784 sits two thirds of the way to High; a caption inks as much as its text unclipped.
import -window root "$scratch/screen.png"
read -r left top width _ <<<"$(control_rect "$caption" 1012)"
read -r thumb at <<<"$(ink_of "$left" "$top" "$width" 8 80%)"
[ "$((at + thumb / 2))" -gt "$((width * 3 / 5))" ] && [ "$((at + thumb / 2))" -lt "$((width * 4 / 5))" ] ||
  fail "the volume's thumb is at $at of $width, not two thirds of the way to High"
read -r left top width _ <<<"$(standin controls "$caption" | awk '/ Aircraft Speed$/ { print $2, $3, $4; exit }')"
read -r shown _ <<<"$(ink_of "$left" "$top" "$width" 12)"
[ "$shown" = "$(standin ink "Aircraft Speed")" ] || fail "the caption \"Aircraft Speed\" is cut: $shown columns"

# Tab from the page tabs to the mouse sensitivity, one step right.
xdotool key Tab Right
wait_until 20 stores "Startup/MouseSens=5" || fail "Tab, Right: MouseSens not 5: $(registry_values | grep MouseSens)"
# A click on "Show Clock" clears it.
xdotool mousemove $((X + 36)) $((Y + 126)) click 1
wait_until 20 stores "Startup/Clock=0" || fail "the click on Show Clock stored no 0: $(registry_values | grep Clock)"
# The logo chooser, from its page: the picture listed first, by keyboard.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 8)) key ctrl+Tab ctrl+Tab alt+l
wait_until 20 has_wine_window "Select Your Logo" || fail "Alt+L opened no chooser"
eval "$(xdotool getwindowgeometry --shell --prefix CHOOSER_ "$(wine_window "Select Your Logo")")"
xdotool mousemove $((CHOOSER_X + CHOOSER_WIDTH / 2)) $((CHOOSER_Y + CHOOSER_HEIGHT - 4))
xdotool key Tab Down Return
chosen="Startup/LogoFileName=$(windows_path "$pictures")\\Ñandú.bmp"
wait_until 20 stores "$chosen" || fail "the chooser stored $(registry_values | grep LogoFileName), not $chosen"
wait_until 10 eval '! has_wine_window "Select Your Logo"' || fail "the chooser stayed open"
# A drive that cannot be read (a letter whose folder is gone): "Drive
# error!", the chooser stays open, and Esc leaves it storing nothing.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 8)) key alt+l
wait_until 20 has_wine_window "Select Your Logo" || fail "Alt+L opened no chooser the second time"
xdotool mousemove $((CHOOSER_X + CHOOSER_WIDTH / 2)) $((CHOOSER_Y + CHOOSER_HEIGHT - 4))
xdotool key Tab Tab Tab Tab f  # from the name box to the drives, then F:
shows_empty_drive() { standin controls "Select Your Logo" | grep -qx '1030 .* F:\\'; }
wait_until 20 shows_empty_drive && ! has_wine_window Error || fail "the empty drive F: was not opened quietly"
xdotool key x
wait_until 20 has_wine_window Error || fail "an unreadable drive showed no \"Drive error!\""
eval "$(xdotool getwindowgeometry --shell --prefix ERROR_ "$(wine_window Error)")"
xdotool mousemove $((ERROR_X + ERROR_WIDTH / 2)) $((ERROR_Y + ERROR_HEIGHT / 2)) key Return
wait_until 10 eval '! has_wine_window Error' || fail "the drive error stayed"
has_wine_window "Select Your Logo" || fail "the chooser closed on a drive error"
xdotool mousemove $((CHOOSER_X + CHOOSER_WIDTH / 2)) $((CHOOSER_Y + CHOOSER_HEIGHT - 4)) key Escape
wait_until 10 eval '! has_wine_window "Select Your Logo"' || fail "Esc left the chooser open"
stores "$chosen" || fail "a cancelled chooser changed the logo: $(registry_values | grep LogoFileName)"
# "&About": the About box, over the dialog, until it is answered.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 8)) key alt+a
wait_until 20 has_wine_window "About Aerolark" || fail "Alt+A showed no About box"
eval "$(xdotool getwindowgeometry --shell --prefix ABOUT_ "$(wine_window "About Aerolark")")"
import -window root "$scratch/screen.png"
read -r left top width height <<<"$(control_rect "About Aerolark" 1095)"
read -r inked at <<<"$(ink_of "$left" "$top" "$width" "$height")"
[ "$((at + ${inked:-999}))" -lt "$width" ] || fail "the About text reaches its edge: $at+$inked of $width"
xdotool mousemove $((ABOUT_X + ABOUT_WIDTH / 2)) $((ABOUT_Y + ABOUT_HEIGHT / 2)) key Return
wait_until 10 eval '! has_wine_window "About Aerolark"' || fail "the About box stayed"
# "Online HELP": the page shipped beside the program.
read -r left top width height <<<"$(control_rect "$caption" 1062)"
xdotool mousemove $((left + width / 2)) $((top + height / 2)) click 1
page="$(windows_path "$windows_build/Aerolark")\\support.htm"
wait_until 20 eval 'tr -d "\r" <"$opened" 2>/dev/null | grep -qxF "$page"' || fail "Online HELP opened no $page"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 8)) click 1  # the dialog active again after the shell
end_with_alt_o opening

# Untouched: every value stays as it is (the font follows its list entry).
registry_values >"$scratch/before.values"
start_dialog untouched
end_with_alt_o untouched
registry_values >"$scratch/after.values"
diff <(comparable <"$scratch/before.values") <(comparable <"$scratch/after.values") \
  >"$scratch/untouched.diff" || fail "an untouched session changed: $(cat "$scratch/untouched.diff")"
