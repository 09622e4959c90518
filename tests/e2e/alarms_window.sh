#!/usr/bin/env bash
# Managing alarms by hand in the real Quorvel.exe: F10 on the focused clock
# opens the alarms window, Add opens the editor, a name and a time a few
# seconds ahead are set by keyboard, OK; closing the window stores the list
# (seen with quorvel-cli alarms export), and the reminder appears when due.
# Screenshots of both windows and the reminder go to the artefacts.
# usage: alarms_window.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/alarms_window_failure.png
log=$artefacts/alarms_window.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"

# A screenshot of one window, cut from the root window.
window_shot() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root "$work/root.png"
  convert "$work/root.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$2"
}
seconds_now() { echo $((10#$(date +%S))); }

quorvel_clean_clock_registry
start_clock

# F10 on the focused clock.
open_alarms_window

# Add, from the table's pop-up menu opened by keyboard (its first item). The
# new alarm is due a minute after Add; the time is then moved to 30 s after
# Add by the seconds field, up from the first half of a minute or down from
# the second, so that it never wraps round. Which half Add fell in is known
# when the seconds read before and after it are in the same half; otherwise
# the editor is cancelled (which drops the new alarm) and Add is tried again.
# The picker's fields wrap without carrying, so a minute stepped back from
# :00 lands on :59 of the same hour: Add waits out the last minute of an hour.
for attempt in 1 2 3; do
  if [ "$(date +%M)" = 59 ]; then sleep $((61 - $(seconds_now))); fi
  add_earliest=$(now_days)
  before=$(seconds_now)
  menus=$(visible_windows)
  xdotool key shift+F10
  wait_for_new_window "$menus" || fail "Shift+F10 opened no menu"
  xdotool key Down Return
  wait_for '[ -n "$(window_named "Alarm / reminder details")" ]' || fail "Add did not open the editor"
  after=$(seconds_now)
  add_latest=$(now_days)
  editor=$(window_named 'Alarm / reminder details')
  wait_for_focus "$editor" || fail "the editor did not take the focus"
  [ "$after" -ge "$before" ] && [ $((before / 30)) = $((after / 30)) ] && break
  echo "Add at $before..$after s into the minute: cancelled, again"
  xdotool key Escape
  wait_for '[ -z "$(window_named "Alarm / reminder details")" ]' || fail "Escape did not close the editor"
  wait_for_focus "$alarms" || fail "the alarms window did not take the focus back"
  editor=
done
[ -n "$editor" ] || fail "Add never fell within one half of a minute"
second=$before

# The name box has the focus with "Noname" selected; the time picker shows the
# new alarm's default, a minute ahead: 30 seconds back, by the seconds field
# alone or by one minute back and 30 seconds on.
xdotool type --delay 40 'Tea from the e2e test'
xdotool key Tab Tab
# Under Wine the picker takes the focus with no field selected: the first
# Right selects the hour.
if [ "$second" -lt 30 ]; then
  xdotool key Right Right Down Right
  for _ in $(seq 30); do xdotool key Up; done
else
  xdotool key Right Right Right
  for _ in $(seq 30); do xdotool key Down; done
fi
# Through the check boxes to "Display reminder", which moves to the text box.
xdotool key Tab Tab Tab space
xdotool type --delay 40 'Tea is ready'
window_shot "$editor" "$artefacts/alarm_editor.png"
xdotool key alt+o
wait_for '[ -z "$(window_named "Alarm / reminder details")" ]' || fail "OK did not close the editor"
wait_for_focus "$alarms" || fail "the alarms window did not take the focus back"
window_shot "$alarms" "$artefacts/alarms_window.png"

# Closing the window saves the list.
xdotool key alt+F4
wait_for '[ -z "$(window_named "Alarms and reminders")" ]' || fail "Alt+F4 did not close the alarms window"
cli alarms export >"$work/export.json" 2>"$work/export.err" || fail "export failed: $(cat "$work/export.err")"
grep -q '"Name": "Tea from the e2e test"' "$work/export.json" || fail "the stored list: $(cat "$work/export.json")"
grep -q '"Reminder": "Tea is ready"' "$work/export.json" || fail "the stored reminder: $(cat "$work/export.json")"
due=$(python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))[0]["DateTime"])' "$work/export.json")

# The stored moment is 30 s after Add (a second either side for the reads'
# rounding); the reminder comes when due, looked for until a minute after it.
python3 -c "import sys; sys.exit(0 if $add_earliest + 29 / 86400 <= $due <= $add_latest + 31 / 86400 else 1)" ||
  fail "the stored moment is not 30 s after Add: $(tr -d '\r\n' <"$work/export.json")"
until [ -n "$(window_named 'Quorvel Alarm / Reminder')" ]; do
  python3 -c "import sys; sys.exit(0 if $(now_days) < $due + 60 / 86400 else 1)" ||
    fail "the reminder did not appear; stored: $(tr -d '\r\n' <"$work/export.json"), now $(date +%T)"
  sleep 0.2
done
reminder=$(window_named 'Quorvel Alarm / Reminder')
sleep 0.3  # let it paint before the screenshot
window_shot "$reminder" "$artefacts/alarms_window_reminder.png"
echo "alarms window, editor and reminder: screenshots in $artefacts"
