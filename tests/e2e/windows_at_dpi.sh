#!/usr/bin/env bash
# Every window of the real Quorvel.exe at 96 and at 192 dpi (200 %): each opens
# wholly inside the screen, and the clock's digits grow with the resolution.
# A screenshot of each window at each resolution goes to the artefacts
# (dpi96_*.png, dpi192_*.png; the README shows the 96-dpi ones).
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
quorvel_set_dpi 96  # remembers what to put back
read -r screen_width screen_height <<<"$(xdotool getdisplaygeometry)"

# The window of this title is wholly on the screen; its screenshot goes to dpi<N>_<name>.png.
inside_and_shot() {  # title name
  local id X Y WIDTH HEIGHT SCREEN WINDOW
  wanted=$1
  wait_for '[ -n "$(window_named "$wanted")" ]' || fail "$1 did not open at $dpi dpi"
  id=$(window_named "$1")
  sleep 0.4  # let it paint
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "$1 at $dpi dpi: ${WIDTH}x${HEIGHT} at $X,$Y"
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$screen_width" ] &&
    [ $((Y + HEIGHT)) -le "$screen_height" ] ||
    fail "$1 at $dpi dpi runs off the ${screen_width}x${screen_height} screen: ${WIDTH}x${HEIGHT} at $X,$Y"
  import -window root "$work/root.png"
  convert "$work/root.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$artefacts/dpi${dpi}_$2.png"
}
# The height of the clock's navy digits, in pixels.
digits_height() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$(clock_window)")"
  import -window root "$work/root.png"
  convert "$work/root.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage txt:- | grep -i ' #000080 ' | cut -d: -f1 |
    awk -F, 'NR == 1 {top = $2; bottom = $2} {if ($2 < top) top = $2; if ($2 > bottom) bottom = $2}
             END {print bottom - top + 1}'
}
focus_clock() {
  wait_for '[ -n "$(text_pixel)" ]' || fail "no text pixel on the clock"
  read -r px py <<<"$(text_pixel)"
  click_to_focus "$px" "$py" "$(clock_window)" || fail "a click on the clock did not give it the focus"
}

declare -A digits
for dpi in 96 192; do
  quorvel_set_dpi "$dpi"
  quorvel_clean_clock_registry
  first_run
  due=$(python3 -c "print($(now_days) - 1 / 1440)")
  printf '[{"Name": "At %s dpi", "Reminder": "Every window at %s dpi", "DateTime": %s, "Repeat": 0}]' \
    "$dpi" "$dpi" "$due" >"$work/alarm.json"
  cli alarms import "$work/alarm.json" >/dev/null || fail "import failed"
  start_clock

  inside_and_shot 'Quorvel Alarm / Reminder' reminder_window
  wait_for_focus "$(window_named 'Quorvel Alarm / Reminder')" || fail "the reminder did not take the keyboard"
  xdotool key Return
  wait_for '[ -z "$(window_named "Quorvel Alarm / Reminder")" ]' || fail "Enter did not answer the reminder"

  wait_for '[ -n "$(text_pixel)" ]' || fail "the clock did not tick at $dpi dpi"
  inside_and_shot Quorvel clock_window
  digits[$dpi]=$(digits_height)

  open_alarms_window
  inside_and_shot 'Alarms and reminders' alarms_window
  xdotool key Insert
  inside_and_shot 'Alarm / reminder details' alarm_editor
  xdotool key Escape
  wait_for '[ -z "$(window_named "Alarm / reminder details")" ]' || fail "Escape did not close the editor"
  wait_for_focus "$alarms" || fail "the alarms window did not take the focus back"
  xdotool key Escape
  wait_for '[ -z "$(window_named "Alarms and reminders")" ]' || fail "Escape did not close the alarms window"

  focus_clock
  xdotool key ctrl+p
  inside_and_shot 'Clock Settings' settings_window
  wait_for_focus "$(window_named 'Clock Settings')" || fail "the settings window did not take the focus"
  xdotool key Escape
  wait_for '[ -z "$(window_named "Clock Settings")" ]' || fail "Escape did not close the settings window"

  focus_clock
  xdotool key F5
  inside_and_shot Calendar calendar_window
  wait_for_focus "$(window_named Calendar)" || fail "the calendar did not take the focus"
  xdotool key alt+F4
  wait_for '[ -z "$(window_named Calendar)" ]' || fail "Alt+F4 did not close the calendar"

  focus_clock
  xdotool key ctrl+a
  inside_and_shot About about_window
  wait_for_focus "$(window_named About)" || fail "the about window did not take the focus"
  xdotool key Return
  wait_for '[ -z "$(window_named About)" ]' || fail "Enter did not close the about window"

  end_clock
done

echo "the clock's digits: ${digits[96]} pixels high at 96 dpi, ${digits[192]} at 192 dpi"
python3 -c "import sys; r = ${digits[192]} / ${digits[96]}; print(f'ratio {r:.2f}'); sys.exit(0 if 1.9 <= r <= 2.2 else 1)" ||
  fail "the digits do not grow with the resolution"
echo "PASS"
