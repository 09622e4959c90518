#!/usr/bin/env bash
# Every window of the real Quorvel.exe at 96 and at 192 dpi opens wholly inside
# the screen, and the clock's digits grow with the resolution. Screenshots of
# each window go to the artefacts (dpi96_*.png, the README's, and dpi192_*.png).
# usage: windows_at_dpi.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/windows_at_dpi.png
log=$artefacts/windows_at_dpi.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"
trap 'cleanup; quorvel_restore_dpi' EXIT
read -r screen_width screen_height <<<"$(xdotool getdisplaygeometry)"

# The window titled $1 opens wholly on the screen; its picture is dpi<N>_$2.png.
inside_and_shot() {
  local wanted=$1 id X Y WIDTH HEIGHT SCREEN WINDOW
  wait_for '[ -n "$(window_named "$wanted")" ]' || fail "$1 did not open at $dpi dpi"
  id=$(window_named "$1")
  sleep 0.4  # let it paint
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "$1 at $dpi dpi: ${WIDTH}x${HEIGHT} at $X,$Y"
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$screen_width" ] &&
    [ $((Y + HEIGHT)) -le "$screen_height" ] || fail "$1 runs off the screen at $dpi dpi"
  import -window root "$work/root.png"
  convert "$work/root.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$artefacts/dpi${dpi}_$2.png"
}
press() {  # title key: the key, once the window has the keyboard
  wait_for_focus "$(window_named "$1")" || fail "$1 did not take the keyboard at $dpi dpi"
  xdotool key "$2"
}
closes() { wait_for '[ -z "$(window_named "$1")" ]' || fail "$1 did not close at $dpi dpi"; }
on_clock() {  # keys, typed on the focused clock
  wait_for '[ -n "$(text_pixel)" ]' || fail "the clock is not ticking at $dpi dpi"
  read -r px py <<<"$(text_pixel)"
  click_to_focus "$px" "$py" "$(clock_window)" || fail "a click on the clock did not give it the focus"
  xdotool key "$1"
}
digits_height() {  # of the clock's navy text, cut from the screen
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$(clock_window)")"
  import -window root "$work/root.png"
  convert "$work/root.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage txt:- | grep -i ' #000080 ' | cut -d: -f1 |
    cut -d, -f2 | sort -n | sed -n '1p;$p' | paste -sd' ' | awk '{print $2 - $1 + 1}'
}
declare -A digits
for dpi in 96 192; do
  quorvel_set_dpi "$dpi"
  quorvel_clean_clock_registry
  first_run
  due=$(python3 -c "print($(now_days) - 1 / 1440)")
  printf '[{"Name": "At %s dpi", "Reminder": "Every window", "DateTime": %s}]' "$dpi" "$due" >"$work/alarm.json"
  cli alarms import "$work/alarm.json" >/dev/null || fail "import failed"
  start_clock
  inside_and_shot 'Quorvel Alarm / Reminder' reminder_window
  press 'Quorvel Alarm / Reminder' Return && closes 'Quorvel Alarm / Reminder'
  wait_for '[ -n "$(text_pixel)" ]' || fail "the clock is not ticking at $dpi dpi"
  inside_and_shot Quorvel clock_window
  digits[$dpi]=$(digits_height)
  on_clock F10 && inside_and_shot 'Alarms and reminders' alarms_window
  press 'Alarms and reminders' Insert && inside_and_shot 'Alarm / reminder details' alarm_editor
  press 'Alarm / reminder details' Escape && closes 'Alarm / reminder details'
  press 'Alarms and reminders' Escape && closes 'Alarms and reminders'
  on_clock ctrl+p && inside_and_shot 'Clock Settings' settings_window
  press 'Clock Settings' Escape && closes 'Clock Settings'
  on_clock F5 && inside_and_shot Calendar calendar_window && press Calendar alt+F4 && closes Calendar
  on_clock ctrl+a && inside_and_shot About about_window && press About Return && closes About
  end_clock
done
echo "the clock's digits: ${digits[96]} pixels high at 96 dpi, ${digits[192]} at 192 dpi"
python3 -c "import sys; sys.exit(0 if 1.9 <= ${digits[192]} / ${digits[96]} <= 2.2 else 1)" ||
  fail "the digits do not grow with the resolution"
echo "PASS"
