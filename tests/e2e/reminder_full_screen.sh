#!/usr/bin/env bash
# A reminder due while a full-screen program is in front, in the real
# Quorvel.exe: its window waits, never taking the foreground from that program,
# and shows within 3 s after the program ends.
# usage: reminder_full_screen.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/reminder_full_screen.png
log=$artefacts/reminder_full_screen.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/stand_in.sh"
title='Quorvel Alarm / Reminder'
reminder_shown() { [ -n "$(window_named "$title")" ]; }

quorvel_clean_clock_registry
first_run
due=$(python3 -c "print($(now_days) + 8 / 86400)")
due_ms=$(($(now_ms) + 8000))
printf '[{"Name": "Over a game", "Reminder": "Due during a game", "DateTime": %s, "Repeat": 0}]' "$due" \
  >"$work/alarm.json"
cli alarms import "$work/alarm.json" >/dev/null || fail "import failed"
start_clock
wait_for clock_shown || fail "the clock did not show"

# The stand-in notes each time its program loses the foreground.
activity=$work/activity.txt
start_stand_in fullscreen "Z:$activity"
wait_for '! clock_shown' || fail "the clock stayed over the full-screen window"
while [ "$(now_ms)" -lt $((due_ms + 3000)) ]; do
  reminder_shown && fail "the reminder showed over the full-screen window"
  sleep 0.2
done
[ ! -s "$activity" ] || fail "the full-screen program lost the foreground: $(cat "$activity")"
echo "due 3 s ago: the reminder waits, the full-screen program kept the foreground"
stop_stand_in
shown=$(took_ms reminder_shown 3000) || fail "the reminder did not show within 3 s after the full-screen window ended"
echo "the full-screen window ended: the reminder showed after $shown ms"
import -window root "$artefacts/reminder_full_screen_shown.png"
echo "PASS"
