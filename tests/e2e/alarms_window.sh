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
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }
  quorvel_clean_clock_registry
  rm -rf "$work"
}
trap cleanup EXIT

window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
# A screenshot of one window, cut from the root window.
window_shot() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root "$work/root.png"
  convert "$work/root.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$2"
}
# A navy text pixel of the ticking clock: "x y", or nothing.
text_pixel() {
  local wid X Y WIDTH HEIGHT SCREEN WINDOW
  wid=$(window_named '^Quorvel$')
  [ -n "$wid" ] || return 0
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  [ "$WIDTH" != 172 ] || return 0
  import -window root "$work/root.png"
  convert "$work/root.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage txt:- | grep -i -m1 ' #000080 ' | cut -d: -f1 |
    awk -F, -v x="$X" -v y="$Y" '{print x + $1, y + $2}'
}

quorvel_clean_clock_registry
"$QUORVEL_WINE" "$exe" </dev/null >>"$artefacts/alarms_window.log" 2>&1 &
pid=$!

# F10 on the focused clock.
wait_for '[ -n "$(text_pixel)" ]' || fail "the clock did not start ticking"
read -r px py <<<"$(text_pixel)"
xdotool mousemove "$px" "$py" click 1
sleep 0.3
xdotool key F10
wait_for '[ -n "$(window_named "^Alarms and reminders$")" ]' || fail "F10 did not open the alarms window"
alarms=$(window_named '^Alarms and reminders$')

# Add, from the table's pop-up menu opened by keyboard (its first item). The
# new alarm is due a minute after this; the seconds are read to move it to
# about 30 s after it without the seconds field wrapping round.
xdotool windowactivate --sync "$alarms" 2>/dev/null || xdotool windowfocus "$alarms"
sleep 0.3
second=$((10#$(date +%S)))
if [ "$second" -ge 26 ] && [ "$second" -lt 30 ]; then sleep 4; second=$((10#$(date +%S))); fi
xdotool key shift+F10
sleep 0.3
xdotool key Down Return
wait_for '[ -n "$(window_named "^Alarm / reminder details$")" ]' || fail "Add did not open the editor"
editor=$(window_named '^Alarm / reminder details$')
sleep 0.5

# The name box has the focus with "Noname" selected; the time picker shows the
# new alarm's default, a minute ahead: 30 seconds back, by the seconds field
# alone or by one minute back and 30 seconds on.
xdotool type --delay 40 'Tea from the e2e test'
xdotool key Tab Tab
sleep 0.2
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
sleep 0.2
xdotool type --delay 40 'Tea is ready'
window_shot "$editor" "$artefacts/alarm_editor.png"
xdotool key alt+o
wait_for '[ -z "$(window_named "^Alarm / reminder details$")" ]' || fail "OK did not close the editor"
sleep 0.5
window_shot "$alarms" "$artefacts/alarms_window.png"

# Closing the window saves the list.
xdotool windowactivate --sync "$alarms" 2>/dev/null || xdotool windowfocus "$alarms"
xdotool key alt+F4
wait_for '[ -z "$(window_named "^Alarms and reminders$")" ]' || fail "Alt+F4 did not close the alarms window"
"$QUORVEL_WINE" "$cli" alarms export >"$work/export.json" 2>"$work/export.err" || fail "export failed: $(cat "$work/export.err")"
grep -q '"Name": "Tea from the e2e test"' "$work/export.json" || fail "the stored list: $(cat "$work/export.json")"
grep -q '"Reminder": "Tea is ready"' "$work/export.json" || fail "the stored reminder: $(cat "$work/export.json")"

# The reminder comes when due, about 30 s after Add.
for _ in $(seq 300); do
  [ -n "$(window_named '^Quorvel Alarm / Reminder$')" ] && break
  sleep 0.1
done
reminder=$(window_named '^Quorvel Alarm / Reminder$')
[ -n "$reminder" ] || fail "the reminder did not appear; stored: $(tr -d '\r\n' <"$work/export.json"), now $(date +%T)"
sleep 0.3
window_shot "$reminder" "$artefacts/alarms_window_reminder.png"
echo "alarms window, editor and reminder: screenshots in $artefacts"
