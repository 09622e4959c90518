#!/usr/bin/env bash
# Per-alarm options in the real Quorvel.exe, each from an imported list:
# 1. a Daily alarm due on a day it leaves out does not fire, and is stored at
#    its next chosen day;
# 2. an "Each 5 minutes" alarm a day behind with "IfMissed": "once" shows one
#    reminder, and after OK is stored within the next 5 minutes on its own
#    schedule;
# 3. "SnoozeMinutes": 15 snoozes to now + 15 minutes, and the Snooze button's
#    menu snoozes for 30 minutes this time;
# 4. a damaged "AlarmOptions" value is kept as "AlarmOptionsDamaged" when the
#    clock first saves over it.
# usage: alarm_options.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/alarm_options.png
log=$artefacts/alarm_options.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"

title="Quorvel Alarm / Reminder"
# Imports one alarm given as JSON fields.
import_alarm() {
  printf '[{%s}]' "$1" >"$work/alarm.json"
  cli alarms import "$work/alarm.json" >/dev/null || fail "import failed: $1"
}
# The stored alarm's DateTime.
stored_moment() {
  cli alarms export >"$work/after.json" || { echo "FAIL: export failed" >&2; exit 1; }
  python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))[0]["DateTime"])' "$work/after.json"
}
# Presses a button of the reminder window: "ok" (bottom left) or "snooze" (bottom right).
press() {
  local wid X Y WIDTH HEIGHT SCREEN
  wid=$(window_named "$title")
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  if [ "$1" = ok ]; then
    xdotool mousemove $((X + 32)) $((Y + HEIGHT - 16)) click 1
  else
    xdotool mousemove $((X + WIDTH - 36)) $((Y + HEIGHT - 16)) click 1
  fi
  wait_for '[ -z "$(window_named "$title")" ]' || fail "$1 did not close the reminder"
}

quorvel_clean_clock_registry
first_run

# 1. Due ten seconds ago, on a day the alarm leaves out (the due moment's
#    weekday, which is yesterday's just after midnight).
read -r due today <<<"$(python3 -c "
import datetime as d
due = $(now_days) - 10 / 86400
day = (d.datetime(1899, 12, 30) + d.timedelta(days=due)).weekday()
print(due, ['Mon','Tue','Wed','Thu','Fri','Sat','Sun'][day])")"
days=$(python3 -c "print(', '.join('\"%s\"' % n for n in ['Mon','Tue','Wed','Thu','Fri','Sat','Sun'] if n != '$today'))")
import_alarm "\"Name\": \"Not today\", \"Reminder\": \"Not on $today\", \"DateTime\": $due, \"Repeat\": 6, \"Days\": [$days]"
start_clock
wait_for '[ -n "$(text_pixel)" ]' || fail "the clock did not start ticking"
sleep 2  # several checks
[ -z "$(window_named "$title")" ] || fail "the alarm fired on a day it leaves out"
end_clock
moment=$(stored_moment)
python3 -c "import sys; sys.exit(0 if abs($moment - ($due + 1)) < 1e-6 else 1)" ||
  fail "not stored at the next day: $(cat "$work/after.json")"
echo "a day left out: no reminder, stored a day on"

# 2. A day behind, every 5 minutes, missed once.
due=$(python3 -c "print($(now_days) - 1)")
import_alarm "\"Name\": \"Behind\", \"Reminder\": \"Missed\", \"DateTime\": $due, \"Repeat\": 2, \"IfMissed\": \"once\""
start_clock
wait_for '[ -n "$(window_named "$title")" ]' || fail "the missed alarm did not fire"
sleep 1
[ "$(xdotool search --onlyvisible --name "^$title\$" | wc -l)" = 1 ] || fail "more than one reminder"
press ok
sleep 1  # a few checks after OK: no second reminder
[ -z "$(window_named "$title")" ] || fail "a second reminder for the missed moments"
answered=$(now_days)
end_clock
moment=$(stored_moment)
python3 - "$moment" "$due" "$answered" <<'PY' || fail "after OK: $(cat "$work/after.json")"
import sys
stored, due, answered = map(float, sys.argv[1:])
steps = (stored - due) * 288  # 5-minute intervals
print(f"stored {(stored - answered) * 1440:.2f} minutes after OK, {steps:.4f} intervals on")
sys.exit(0 if 0 < stored - answered <= 5 / 1440 and abs(steps - round(steps)) < 1e-4 else 1)
PY
echo "missed once: one reminder, then on its schedule within 5 minutes"

# 3. Snoozed for its own 15 minutes.
due=$(python3 -c "print($(now_days) - 2 / 86400)")
import_alarm "\"Name\": \"Quarter\", \"Reminder\": \"Snooze me\", \"DateTime\": $due, \"Repeat\": 0, \"SnoozeMinutes\": 15"
start_clock
wait_for '[ -n "$(window_named "$title")" ]' || fail "the alarm did not fire"
pressed=$(now_days)
press snooze
end_clock
moment=$(stored_moment)
python3 -c "import sys; d = ($moment - $pressed) * 86400; print(f'snoozed to {d:.1f} s after the press'); sys.exit(0 if 895 <= d <= 910 else 1)" ||
  fail "not snoozed for 15 minutes: $(cat "$work/after.json")"

due=$(python3 -c "print($(now_days) - 2 / 86400)")
import_alarm "\"Name\": \"Half\", \"Reminder\": \"Snooze me longer\", \"DateTime\": $due, \"Repeat\": 0"
start_clock
wait_for '[ -n "$(window_named "$title")" ]' || fail "the alarm did not fire"
wid=$(window_named "$title")
eval "$(xdotool getwindowgeometry --shell "$wid")"
menus=$(visible_windows)
xdotool mousemove $((X + WIDTH - 36)) $((Y + HEIGHT - 16)) click 3
wait_for_new_window "$menus" || fail "no menu on the Snooze button"
import -window root "$artefacts/reminder_snooze_menu.png"
pressed=$(now_days)
xdotool key 3  # "Snooze for &30 minutes"
wait_for '[ -z "$(window_named "$title")" ]' || fail "the menu's 30 minutes did not close the reminder"
end_clock
moment=$(stored_moment)
python3 -c "import sys; d = ($moment - $pressed) * 86400; print(f'snoozed to {d:.1f} s after the choice'); sys.exit(0 if 1795 <= d <= 1810 else 1)" ||
  fail "not snoozed for 30 minutes: $(cat "$work/after.json")"
echo "snoozed for its own length, and for the menu's 30 minutes"

# 4. Options cut short in the second entry.
import_alarm "\"Name\": \"Kept\", \"DateTime\": $(now_days), \"Repeat\": 0, \"Enabled\": false"
damaged=0302000000$(stored_hex AlarmOptions | cut -d' ' -f2 | cut -c11-)00
"$QUORVEL_WINE" reg add 'HKCU\Software\Quorvel1.1' /v AlarmOptions /t REG_BINARY /d "$damaged" /f </dev/null >/dev/null 2>&1 ||
  fail "could not damage the options"
start_clock
box='ERROR loading data from the registry'
wait_for '[ -n "$(window_named "$box")" ]' || fail "the damaged options were not told"
import -window root "$artefacts/alarm_options_damaged.png"
xdotool key Return  # the box has the keyboard focus: OK
wait_for '[ -z "$(window_named "$box")" ]' || fail "the message did not close"
end_clock
[ "$(stored_hex AlarmOptionsDamaged)" = "REG_BINARY $damaged" ] ||
  fail "AlarmOptionsDamaged: $(stored_hex AlarmOptionsDamaged), wanted $damaged"
[ "$(stored_hex AlarmOptions)" = "REG_BINARY 0301000000${damaged:10:32}" ] ||
  fail "the options were not written whole again: $(stored_hex AlarmOptions)"
echo "damaged options told once and kept as AlarmOptionsDamaged"
echo "PASS"
