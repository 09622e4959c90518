#!/usr/bin/env bash
# A reminder of 100,000 characters in one paragraph, in the real Quorvel.exe:
# it shows soon after it is due while the clock ticks on, the editor opens it,
# and OK there stores it unchanged. The times are printed; a limit of a few
# seconds catches a freeze (an edit box took some 90 s for it under Wine).
# usage: reminder_long_text.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/reminder_long_text.png
log=$artefacts/reminder_long_text.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"
title='Quorvel Alarm / Reminder'
editor='Alarm / reminder details'
seconds_since() { python3 -c "print(round(($(now_days) - $1) * 86400, 2))"; }
within() { python3 -c "import sys; sys.exit(0 if $1 <= $2 else 1)"; }

quorvel_clean_clock_registry
first_run
due=$(python3 -c "print($(now_days) + 6 / 86400)")
python3 -c "import json, sys; json.dump([{'Name': 'Long', 'Reminder': ('lorem ipsum dolor sit amet ' * 4000)[:100000],
  'DateTime': $due, 'Repeat': 6}], open(sys.argv[1], 'w'))" "$work/alarm.json"
cli alarms import "$work/alarm.json" >/dev/null && cli alarms export >"$work/before.json" || fail "import failed"
start_clock
until [ -n "$(window_named "$title")" ]; do
  within "$(seconds_since "$due")" 5 || fail "the reminder did not show within 5 s of being due"
  sleep 0.05
done
echo "the 100,000-character reminder shows $(seconds_since "$due") s after it was due"
clock=$(import -window "$(clock_window)" png:- | md5sum)
wait_for '[ "$(import -window "$(clock_window)" png:- | md5sum)" != "$clock" ]' || fail "the clock stopped ticking"
wait_for_focus "$(window_named "$title")" || fail "the reminder did not take the keyboard"
xdotool key Return  # OK has the keyboard
wait_for '[ -z "$(window_named "$title")" ]' || fail "Enter on OK did not answer the reminder"

open_alarms_window
xdotool key Down
opened=$(now_days)
xdotool key Return
wait_for '[ -n "$(window_named "$editor")" ]' || fail "Enter did not open the editor"
echo "the editor shows the text $(seconds_since "$opened") s after Enter"
wait_for_focus "$(window_named "$editor")" || fail "the editor did not take the focus"
xdotool key Return  # OK
wait_for_focus "$alarms" || fail "the alarms window did not take the focus back"
xdotool key Escape  # closing saves the list
wait_for '[ -z "$(window_named "Alarms and reminders")" ]' || fail "Escape did not close the alarms window"
cli alarms export >"$work/after.json" || fail "export failed"
python3 -c "import json, sys; a, b = (json.load(open(f))[0]['Reminder'] for f in sys.argv[1:]); \
  sys.exit(0 if a == b and len(b) == 100000 else 1)" "$work/before.json" "$work/after.json" ||
  fail "the stored reminder text changed"
end_clock
echo "PASS"
