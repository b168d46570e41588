#!/bin/bash
# The real program (sanitizer build) on every setting hand-edited to every
# hostile value: the saver runs 3 s and gets a key; the dialog opens and
# closes. Prints a table: key, value, saver outcome, dialog outcome.
#   tools/hostile-settings.sh [build-folder] [saver-seconds]
# Starts its own Xvfb unless DISPLAY is already set by with-xvfb.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-sanitize}
seconds=${2:-3}
. "$here/tools/hostile-lib.sh"
under_own_xvfb "$0" "$build" "$seconds"
sanitizer_environment
work=$(mktemp -d /tmp/aerolark-hostile-settings-XXXXXX)
trap 'rm -rf "$work"' EXIT
program=$build/bin/aerolark
share=$build/share/aerolark/

keys_startup="Background BGFreq BMPFileName Clock FontClock FontName FontSize LogoChecked LogoFileName Message MessageChecked MouseSens PlaneBG Prop SecDelay SelectedFont SelectedFontSize Speed TunePC Volume"
keys_system="PwrSave PwrMsg RunMonitor SoundOff TuneScrSvr SetReg"
labels="empty letters blanks_around fraction minus_zero huge_exponent huge_negative_exponent eleven_digits nan basic_hex long_text invalid_utf8 newline_raw newline_quoted"

# The value as it stands in the file after `Key=`.
file_value() {
  case $1 in
    empty) printf '' ;;
    letters) printf 'abc' ;;
    blanks_around) printf '" 3 "' ;;
    fraction) printf '3.5' ;;
    minus_zero) printf -- '-0' ;;
    huge_exponent) printf '1e400' ;;
    huge_negative_exponent) printf -- '-1e400' ;;
    eleven_digits) printf '99999999999' ;;
    nan) printf 'NaN' ;;
    basic_hex) printf '&H10' ;;
    long_text) head -c 100000 /dev/zero | tr '\0' 'W' ;;
    invalid_utf8) printf '\xff\xfe\xc3\x28 \xe2\x82' ;;
    newline_raw) printf '4\n5' ;;
    newline_quoted) printf '"4\\n5"' ;;
  esac
}


# Writes the settings file with <key> set to the value named <label>.
write_settings() {
  local config=$1 key=$2 label=$3
  mkdir -p "$config/aerolark"
  local value
  value=$(file_value "$label"; printf x)
  value=${value%x}
  defaults_file "$share" | while IFS= read -r line; do
    if [ "${line%%=*}" = "$key" ]; then printf '%s=%s\n' "$key" "$value"; else printf '%s\n' "$line"; fi
  done >"$config/aerolark/aerolark.ini"
}

printf '%-17s %-23s %-10s %s\n' KEY VALUE SAVER DIALOG
failures=0
# HOSTILE_KEYS / HOSTILE_LABELS: run only these (for splitting a run in two).
for key in ${HOSTILE_KEYS:-$keys_startup $keys_system}; do
  for label in ${HOSTILE_LABELS:-$labels}; do
    config=$work/$key-$label
    write_settings "$config" "$key" "$label"
    saver=$(saver_outcome "$program" "$config" "$seconds" "$config/saver.log")
    # The dialog meets the file as the hand edit left it, not as the saver left it.
    write_settings "$config" "$key" "$label"
    dialog=$(dialog_outcome "$program" "$config" "$config/dialog.log")
    printf '%-17s %-23s %-10s %s\n' "$key" "$label" "$saver" "$dialog"
    if [ "$saver" != ended ] || [ "$dialog" != closed ]; then
      failures=$((failures + 1))
      mkdir -p "$here/build-hostile-logs" && cp -r "$config" "$here/build-hostile-logs/"
    fi
  done
done
echo "failures: $failures (logs of failures in build-hostile-logs/)"
[ "$failures" -eq 0 ]
