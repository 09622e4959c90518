#!/usr/bin/env bash
# Typing without pause into another program's window across a reminder's due
# time, in the real Quorvel.exe: the typed spaces never answer the reminder,
# which shows on top and stays; once the keys have rested for two seconds a
# space answers it (the alarm, "No repeat", is then switched off).
# usage: reminder_typing.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/reminder_typing.png
log=$artefacts/reminder_typing.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"

notepad=
trap 'if [ -n "$notepad" ]; then kill "$notepad" 2>/dev/null || true; wait "$notepad" 2>/dev/null || true; fi; cleanup' EXIT
title='Quorvel Alarm / Reminder'
# Milliseconds on the machine's clock; the typing loop must not start programs
# between keys, or its own pauses (Python takes over 0.1 s to start) pass for
# the second of rest after which a space rightly answers the reminder.
now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }

quorvel_clean_clock_registry
first_run
due=$(python3 -c "print($(now_days) + 8 / 86400)")
due_ms=$(($(now_ms) + 8000))
printf '[{"Name": "Typed across", "Reminder": "Due while you typed", "DateTime": %s, "Repeat": 0}]' "$due" \
  >"$work/alarm.json"
cli alarms import "$work/alarm.json" >/dev/null || fail "import failed"
start_clock
wait_for '[ -n "$(text_pixel)" ]' || fail "the clock did not start ticking"

"$QUORVEL_WINE" notepad </dev/null >>"$log" 2>&1 &
notepad=$!
wait_for '[ -n "$(window_named "Untitled - Notepad")" ]' || fail "notepad did not open"
pad=$(window_named "Untitled - Notepad")
eval "$(xdotool getwindowgeometry --shell "$pad")"
click_to_focus $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) "$pad" || fail "notepad did not take the focus"

# Words and spaces, a key every 40 ms, from before the due time to 3 s after it.
while [ "$(now_ms)" -lt $((due_ms + 3000)) ]; do
  xdotool type --delay 40 'tea is ready '
  if [ "$(now_ms)" -gt $((due_ms + 1000)) ]; then
    [ -n "$(window_named "$title")" ] || fail "the reminder is not on screen while the keys are typed"
  fi
done
import -window root "$artefacts/reminder_typing_waiting.png"
[ -n "$(window_named "$title")" ] || fail "a typed key answered the reminder"
echo "typed across the due time: the reminder stays"

sleep 2
xdotool key space
wait_for '[ -z "$(window_named "$title")" ]' || fail "a space after two quiet seconds did not answer the reminder"
# Notepad, raised by the clicks into it, covers the clock under Wine: it goes first.
kill "$notepad"
wait "$notepad" 2>/dev/null || true
notepad=
end_clock
cli alarms export >"$work/after.json" || fail "export failed"
grep -q '"Enabled": false' "$work/after.json" || fail "the alarm was not answered: $(cat "$work/after.json")"
echo "PASS"
