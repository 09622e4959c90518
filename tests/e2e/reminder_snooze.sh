#!/usr/bin/env bash
# An alarm that came due while the clock was off fires at start: its reminder
# window shows the text, Snooze moves it to about five minutes after the press,
# and the clock's save at the end stores that moment.
# usage: reminder_snooze.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/reminder_snooze.png
window_shot=$artefacts/reminder_snooze_window.png  # kept: later steps overwrite $shot
log=$artefacts/reminder_snooze.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"

quorvel_clean_clock_registry
first_run
sox -n -r 8000 -c 1 -b 8 "$work/bell.wav" synth 20 sine 440 vol 0.1
due=$(python3 -c "print($(now_days) - 1 / 1440)")
cat >"$work/alarm.json" <<JSON
[{"Name": "Tea", "Sound": "Z:${work//\//\\\\}\\\\bell.wav", "Reminder": "Time for tea\r\nGreen, not black",
  "DateTime": $due, "Repeat": 6, "Enabled": true}]
JSON
cli alarms import "$work/alarm.json" >"$work/import.out" || fail "import failed: $(cat "$work/import.out")"

start_clock
title="Quorvel Alarm / Reminder"
wait_for '[ -n "$(window_named "$title")" ]' || fail "no reminder window appeared"
sleep 0.5  # let it paint
import -window root "$window_shot"
echo "screenshot with the reminder: $window_shot"
wid=$(window_named "$title")
eval "$(xdotool getwindowgeometry --shell "$wid")"
# Snooze sits at the bottom right of the client area, 4 pixels in from the
# right edge and 2 from the bottom, 57 x 20 (at 96 dpi); the frame is a few
# pixels more: aim at its middle.
pressed=$(now_days)
xdotool mousemove $((X + WIDTH - 36)) $((Y + HEIGHT - 16)) click 1
wait_for '[ -z "$(window_named "$title")" ]' || fail "Snooze did not close the reminder"
end_clock

cli alarms export >"$work/after.json" || fail "export failed"
python3 - "$work/after.json" "$pressed" <<'PY' || fail "snoozed moment: $(cat "$work/after.json")"
import json, sys
alarm = json.load(open(sys.argv[1]))[0]
offset = (alarm["DateTime"] - float(sys.argv[2])) * 86400
print(f"stored moment {alarm['When']}: {offset:.1f} s after the press; repeat {alarm['Repeat']}, enabled {alarm['Enabled']}")
sys.exit(0 if 295 <= offset <= 310 and alarm["Repeat"] == 6 and alarm["Enabled"] else 1)
PY
echo "PASS"
