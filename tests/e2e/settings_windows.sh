#!/usr/bin/env bash
# The settings, calendar and about windows of the real Quorvel.exe, driven like
# a user with xdotool: double-click the clock text, move the opacity slider with
# the keyboard, type a time format, press Enter (OK); then F5 and Ctrl+A on the
# clock. The registry must hold the new Alpha and TimeFormat and the running
# clock must show them. Screenshots of each window go to the artefacts.
# usage: settings_windows.sh QUORVEL_EXE ARTEFACT_DIR
set -euo pipefail
exe=$1
artefacts=$2
shot=$artefacts/settings_windows.png
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"

window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

# A screenshot of one window (by title) into the artefacts.
snap() {  # title file
  local id
  id=$(window "$1")
  geometry "$id"
  import -window root "$shot"
  convert "$shot" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$artefacts/$2"
  echo "screenshot: $artefacts/$2"
}

# A pixel of the clock's navy text: with a see-through background the pointer
# must land on text, or it reaches the desktop below.
text_pixel() {
  geometry "$clock"
  import -window root "$shot"
  convert "$shot" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage txt:- | grep -i -m1 ' #000080 ' | cut -d: -f1 |
    awk -F, -v x="$X" -v y="$Y" '{print x + $1, y + $2}'
}

reg_value() {  # value name -> its data as reg shows it
  "$QUORVEL_WINE" reg query 'HKCU\Software\Quorvel1.1' /v "$1" </dev/null 2>/dev/null | tr -d '\r' |
    awk -v n="$1" 'tolower($1) == tolower(n) {$1 = ""; $2 = ""; sub(/^ +/, ""); print}'
}

quorvel_clean_clock_registry
"$QUORVEL_WINE" "$exe" </dev/null >"$artefacts/settings_windows.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; quorvel_clean_clock_registry' EXIT

wait_for 'clock=$(window Quorvel); [ -n "$clock" ]' || fail "no clock window"
wait_for 'geometry "$clock"; [ "$WIDTH" != 172 ]' || fail "the clock never ticked"
width_before=$WIDTH

# 1. A double-click on the text opens the settings window, focus on "Font ...".
wait_for 'read -r px py <<<"$(text_pixel)"; [ -n "${px:-}" ]' || fail "no text pixel to double-click"
xdotool mousemove "$px" "$py" click --repeat 2 --delay 80 1
wait_for '[ -n "$(window "Clock Settings")" ]' || fail "a double-click on the clock did not open the settings"
wait_for_focus "$(window "Clock Settings")" || fail "the settings window did not take the focus"
sleep 0.5  # let it paint before the screenshot
snap "Clock Settings" settings_window_opened.png

# 2. Tab to the opacity slider (third in the tab order), ten steps right:
#    50 -> 60 per cent transparent, opacity 255 - round(153) = 102.
xdotool key Tab Tab
xdotool key Right Right Right Right Right Right Right Right Right Right
# 3. Two more tabs to the time format, which is typed anew.
xdotool key Tab Tab
xdotool key End shift+Home BackSpace
xdotool type --delay 60 'hh:mm'
sleep 0.3  # let it paint before the screenshot
snap "Clock Settings" settings_window.png
# 4. Enter presses OK: saved, and the window hides.
xdotool key Return
wait_for '[ -z "$(window "Clock Settings")" ]' || fail "Enter did not close the settings window"

alpha=$(reg_value Alpha)
format=$(reg_value TimeFormat)
echo "stored: Alpha $alpha, TimeFormat '$format'"
[ "$((alpha))" = 102 ] || fail "stored Alpha $alpha, expected 102"
[ "$format" = "hh:mm" ] || fail "stored TimeFormat '$format', expected hh:mm"
opacity=$(xprop -id "$clock" _NET_WM_WINDOW_OPACITY | awk '{print $3}')
[ "$opacity" = $((102 * 0x01010101)) ] || fail "the clock's opacity is $opacity, expected 102/255"
wait_for 'geometry "$clock"; [ "$WIDTH" -lt "$width_before" ]' || fail "the clock does not show hh:mm"
wait_for 'read -r px py <<<"$(text_pixel)"; [ -n "${px:-}" ]' || fail "the clock's text is not painted"
snap Quorvel clock_after_settings.png

# 5. F5 on the clock shows the calendar, Ctrl+A an about window.
click_to_focus "$px" "$py" "$clock" || fail "a click on the clock did not give it the focus"
xdotool key F5
wait_for '[ -n "$(window Calendar)" ]' || fail "F5 did not show the calendar"
sleep 0.5  # let it paint before the screenshot
snap Calendar calendar_window.png
click_to_focus "$px" "$py" "$clock" || fail "a click on the clock did not give it the focus"
xdotool key ctrl+a
wait_for '[ -n "$(window About)" ]' || fail "Ctrl+A did not show the about window"
sleep 0.5  # let it paint before the screenshot
snap About about_window.png
echo "PASS"
