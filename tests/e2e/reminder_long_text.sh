#!/usr/bin/env bash
# A reminder of 100,000 characters in one paragraph, in the real Quorvel.exe:
# it shows soon after it is due while the clock goes on ticking, the editor
# opens it at once, and OK there stores the text unchanged (exported as it was
# imported). The times are printed; a limit of a few seconds catches a freeze
# (a multi-line edit box took some 90 s for this text under Wine).
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
editor_title='Alarm / reminder details'
seconds_since() { python3 -c "print(round(($(now_days) - $1) * 86400, 2))"; }
within() { python3 -c "import sys; sys.exit(0 if $1 <= $2 else 1)"; }

quorvel_clean_clock_registry
first_run
due=$(python3 -c "print($(now_days) + 6 / 86400)")
python3 - "$work/alarm.json" "$due" <<'PY'
import json, sys
words = "lorem ipsum dolor sit amet, consectetur adipiscing elit "
text = (words * (100000 // len(words) + 1))[:100000]
json.dump([{"Name": "Long", "Reminder": text, "DateTime": float(sys.argv[2]), "Repeat": 6}], open(sys.argv[1], "w"))
PY
cli alarms import "$work/alarm.json" >/dev/null || fail "import failed"
cli alarms export >"$work/before.json" || fail "export failed"
start_clock

until [ -n "$(window_named "$title")" ]; do
  within "$(seconds_since "$due")" 10 || fail "the reminder did not show within 10 s of being due"
  sleep 0.05
done
shown=$(seconds_since "$due")
echo "the 100,000-character reminder shows $shown s after it was due"
within "$shown" 5 || fail "the reminder took $shown s to show"
# The clock ticks on: its text changes within two seconds.
wid=$(clock_window)
first=$(import -window "$wid" png:- | md5sum)
wait_for '[ "$(import -window "$wid" png:- | md5sum)" != "$first" ]' || fail "the clock stopped ticking"
sleep 0.3
reminder=$(window_named "$title")
eval "$(xdotool getwindowgeometry --shell "$reminder")"
import -window root "$work/root.png"
convert "$work/root.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$artefacts/reminder_long_text_window.png"
wait_for_focus "$reminder" || fail "the reminder did not take the keyboard"
xdotool key Return  # OK has the focus
wait_for '[ -z "$(window_named "$title")" ]' || fail "Enter on OK did not answer the reminder"

# The editor opens the alarm at once; OK stores the text as it was.
open_alarms_window
xdotool key Down
opened=$(now_days)
xdotool key Return
wait_for '[ -n "$(window_named "$editor_title")" ]' || fail "Enter did not open the editor"
echo "the editor shows the 100,000-character text $(seconds_since "$opened") s after Enter"
wait_for_focus "$(window_named "$editor_title")" || fail "the editor did not take the focus"
xdotool key Return  # OK
wait_for '[ -z "$(window_named "$editor_title")" ]' || fail "Enter did not close the editor"
wait_for_focus "$alarms" || fail "the alarms window did not take the focus back"
xdotool key Escape
wait_for '[ -z "$(window_named "Alarms and reminders")" ]' || fail "Escape did not close the alarms window"
cli alarms export >"$work/after.json" || fail "export failed"
python3 - "$work/before.json" "$work/after.json" <<'PY' || fail "the reminder text changed"
import json, sys
before, after = (json.load(open(p))[0]["Reminder"] for p in sys.argv[1:3])
print(f"stored reminder: {len(after)} characters, unchanged: {before == after}")
sys.exit(0 if before == after and len(after) == 100000 else 1)
PY
end_clock
echo "PASS"
