#!/usr/bin/env bash
# A due alarm without text whose sound file is missing shows its reminder
# window with the error line (instead of staying fired with nothing on screen);
# OK ends it like any reminder, and the "No repeat" alarm is stored disabled.
# usage: reminder_missing_sound.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/reminder_missing_sound.png
window_shot=$artefacts/reminder_missing_sound_window.png  # kept: later steps overwrite $shot
log=$artefacts/reminder_missing_sound.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"

quorvel_clean_clock_registry
first_run
due=$(python3 -c "print($(now_days) - 1 / 1440)")
cat >"$work/alarm.json" <<JSON
[{"Name": "Silent", "Sound": "Z:\\\\nowhere\\\\missing.wav", "Reminder": "", "DateTime": $due, "Repeat": 0, "Enabled": true}]
JSON
cli alarms import "$work/alarm.json" >"$work/import.out" || fail "import failed: $(cat "$work/import.out")"

start_clock
title="Quorvel Alarm / Reminder"
wait_for '[ -n "$(window_named "$title")" ]' || fail "no reminder window with the error line appeared"
sleep 0.5
import -window root "$window_shot"
echo "screenshot with the error line: $window_shot"
wid=$(window_named "$title")
eval "$(xdotool getwindowgeometry --shell "$wid")"
# The text box fills the upper part of the window: the error line is the only
# text in it, drawn in black.
dark=$(convert "$window_shot" -crop "$((WIDTH - 30))x$((HEIGHT / 2))+$((X + 10))+$((Y + 25))" +repage txt:- |
  grep -c ' #000000 ' || true)
[ "$dark" -gt 20 ] || fail "no text in the reminder's text box ($dark dark pixels)"
echo "text box: $dark dark pixels"
# OK: bottom left of the client area, 3 pixels in, 57 x 20.
xdotool mousemove $((X + 34)) $((Y + HEIGHT - 16)) click 1
wait_for '[ -z "$(window_named "$title")" ]' || fail "OK did not close the reminder"
end_clock

cli alarms export >"$work/after.json" || fail "export failed"
grep -q '"Enabled": false' "$work/after.json" || fail "the fired alarm was not disabled: $(cat "$work/after.json")"
echo "PASS"
