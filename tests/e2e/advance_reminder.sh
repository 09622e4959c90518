#!/usr/bin/env bash
# An alarm with an advance reminder, from import to its own reminder:
# 1. imported 80 s ahead with "RemindBefore": 1 and "Wake": true, the stored
#    "Alarms" value is exactly what `alarms encode` gives for the same list,
#    and `alarms export` gives both options back;
# 2. its advance reminder shows about 60 s before its moment, and OK closes it;
#    meanwhile the clock's menu names it as the next alarm (screenshot);
# 3. its own reminder comes at its moment.
# usage: advance_reminder.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/advance_reminder.png
log=$artefacts/advance_reminder.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"

# Seconds from now to a moment in days.
seconds_to() { python3 -c "print(round(($1 - $(now_days)) * 86400, 1))"; }
# Waits up to $2 seconds for the condition $1.
wait_long() {
  local end=$((SECONDS + $2))
  while [ $SECONDS -lt "$end" ]; do
    if eval "$1"; then return 0; fi
    sleep 0.1
  done
  return 1
}

quorvel_clean_clock_registry
first_run
due=$(python3 -c "print($(now_days) + 80 / 86400)")
cat >"$work/alarm.json" <<JSON
[{"Name": "Standup", "Reminder": "Room 4", "DateTime": $due, "Repeat": 0, "Enabled": true,
  "RemindBefore": 1, "Wake": true}]
JSON
cli alarms import "$work/alarm.json" >"$work/import.out" || fail "import failed: $(cat "$work/import.out")"
cli alarms encode "$work/alarm.json" >"$work/alarm.bin"
want="REG_BINARY $(od -An -tx1 -v "$work/alarm.bin" | tr -d ' \n')"
[ "$(stored_hex)" = "$want" ] || fail "stored value $(stored_hex), wanted $want"
cli alarms export "$work/exported.json" || fail "export failed"
python3 - "$work/exported.json" <<'PY' || fail "exported: $(cat "$work/exported.json")"
import json, sys
alarm = json.load(open(sys.argv[1]))[0]
sys.exit(0 if alarm["RemindBefore"] == 1 and alarm["Wake"] is True else 1)
PY
echo "stored as encode gives it; export gives RemindBefore and Wake back"

start_clock
title="Quorvel Alarm / Reminder"
wait_long '[ -n "$(window_named "$title")" ]' 60 || fail "no advance reminder appeared"
ahead=$(seconds_to "$due")
sleep 0.5  # let it paint
import -window root "$artefacts/advance_reminder_window.png"
echo "advance reminder shown $ahead s before the moment: $artefacts/advance_reminder_window.png"
python3 -c "import sys; sys.exit(0 if 45 <= $ahead <= 62 else 1)" || fail "shown $ahead s ahead, not about 60"
wid=$(window_named "$title")
eval "$(xdotool getwindowgeometry --shell "$wid")"
# OK sits at the bottom left of the client area, 57 x 20 at 96 dpi: aim at its middle.
xdotool mousemove $((X + 30)) $((Y + HEIGHT - 16)) click 1
wait_for '[ -z "$(window_named "$title")" ]' || fail "OK did not close the advance reminder"

# The menu's first line names the alarm; the screenshot shows it.
wait_for '[ -n "$(text_pixel)" ]' || fail "the clock did not tick"
read -r px py <<<"$(text_pixel)"
before=$(visible_windows)
xdotool mousemove "$px" "$py" click 3
wait_for_new_window "$before" || fail "no menu on a right click"
sleep 0.3
import -window root "$artefacts/advance_reminder_menu.png"
echo "the menu with the next alarm: $artefacts/advance_reminder_menu.png"
xdotool key Escape
wait_for '[ "$(visible_windows)" = "$before" ]' || fail "Escape did not close the menu"

wait_long '[ -n "$(window_named "$title")" ]' 70 || fail "the alarm's own reminder did not come"
late=$(python3 -c "print(-$(seconds_to "$due"))")
echo "its own reminder came $late s after its moment"
python3 -c "import sys; sys.exit(0 if -1 <= $late <= 5 else 1)" || fail "its own reminder came $late s from its moment"
wid=$(window_named "$title")
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove $((X + 30)) $((Y + HEIGHT - 16)) click 1
wait_for '[ -z "$(window_named "$title")" ]' || fail "OK did not close the alarm's reminder"
end_clock
cli alarms export "$work/after.json" || fail "export failed"
python3 - "$work/after.json" <<'PY' || fail "after its firing: $(cat "$work/after.json")"
import json, sys
alarm = json.load(open(sys.argv[1]))[0]
sys.exit(0 if alarm["Enabled"] is False and alarm["RemindBefore"] == 1 else 1)
PY
echo "PASS"
