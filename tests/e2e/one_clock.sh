#!/usr/bin/env bash
# One clock per user session: starting Quorvel.exe while it runs ends the new
# start at once and brings the running clock forward (shown again if it was
# hidden to the tray); each due alarm fires once. "Quorvel.exe -close" ends the
# running clock as Exit does, its settings saved, and "/close" starts none
# itself; an argument it does not know ("/bogus") is named in a box, and the
# start ends with 2 without starting a clock.
# usage: one_clock.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/one_clock.png
log=$artefacts/one_clock.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"

clocks() { xdotool search --name '^Quorvel$' 2>/dev/null | wc -l; }
# Starts the program again (with the argument given) and waits for that start
# to end; its exit code.
start_again() {  # [ARGUMENT]
  local second
  "$QUORVEL_WINE" "$exe" "$@" </dev/null >>"$log" 2>&1 &
  second=$!
  wait_for '! kill -0 "$second" 2>/dev/null' || fail "the second start did not end"
  wait "$second"
}

quorvel_clean_clock_registry
first_run
due=$(python3 -c "print($(now_days) - 1 / 1440)")
printf '[{"Name": "Due", "Reminder": "Only once", "DateTime": %s, "Repeat": 0}]' "$due" >"$work/due.json"
cli alarms import "$work/due.json" >/dev/null || fail "import failed"

# A mark left by an update that failed after ending a clock: the next clock takes it.
"$QUORVEL_WINE" reg add 'HKCU\Software\Quorvel1.1' /v StartAfterUpdate /t REG_DWORD /d 1 /f </dev/null >/dev/null 2>&1 ||
  fail "could not set the mark"
start_clock
title="Quorvel Alarm / Reminder"
wait_for '[ -n "$(window_named "$title")" ]' || fail "the due alarm did not fire"
! "$QUORVEL_WINE" reg query 'HKCU\Software\Quorvel1.1' /v StartAfterUpdate </dev/null >/dev/null 2>&1 ||
  fail "the clock left the installer's mark to start again"
start_again || fail "the second start exited with an error"
kill -0 "$pid" 2>/dev/null || fail "the first clock ended"
sleep 1  # a few ticks of any second clock
reminders=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | wc -l)
[ "$reminders" = 1 ] || fail "$reminders reminders for one due alarm"
[ "$(clocks)" = 1 ] || fail "$(clocks) clock windows"
echo "a second start ended at once: one clock, one reminder"

# Hidden to the tray, the running clock is shown again by another start.
wait_for '[ -n "$(text_pixel)" ]' || fail "the clock did not start ticking"
read -r px py <<<"$(text_pixel)"
click_to_focus "$px" "$py" "$(clock_window)" || fail "a click on the clock did not give it the focus"
xdotool key ctrl+s
wait_for '[ -z "$(clock_window)" ]' || fail "Ctrl+S did not hide the clock"
start_again || fail "the second start exited with an error"
wait_for '[ -n "$(clock_window)" ]' || fail "another start did not show the hidden clock"
import -window root "$shot"

# -close (as /close), with the reminder still open: the clock saves (the value
# deleted here is written again) and ends, and so does the closing start.
"$QUORVEL_WINE" reg delete 'HKCU\Software\Quorvel1.1' /v FontSize /f </dev/null >/dev/null 2>&1 ||
  fail "could not delete FontSize"
start_again -close || fail "-close exited with an error"
wait_for '! kill -0 "$pid" 2>/dev/null' || fail "-close did not end the running clock"
pid=
"$QUORVEL_WINE" reg query 'HKCU\Software\Quorvel1.1' /v FontSize </dev/null >/dev/null 2>&1 ||
  fail "the clock ended by -close did not save its settings"
# With no clock running, /close starts none.
start_again /close || fail "/close with no clock running exited with an error"
sleep 1
[ "$(clocks)" = 0 ] || fail "/close started a clock"
echo "-close ended the running clock, saved, and /close started none"

# An argument it does not know: a box names it (the only window called
# Quorvel), OK ends the start with 2, and no clock starts.
"$QUORVEL_WINE" "$exe" /bogus </dev/null >>"$log" 2>&1 &
second=$!
wait_for '[ "$(clocks)" = 1 ]' || fail "no box named the argument /bogus"
import -window root "$artefacts/unknown_argument.png"
xdotool key Return
wait_for '! kill -0 "$second" 2>/dev/null' || fail "the start with /bogus did not end after OK"
rc=0
wait "$second" || rc=$?
[ "$rc" = 2 ] || fail "the start with /bogus ended with $rc"
[ "$(clocks)" = 0 ] || fail "/bogus started a clock"
echo "/bogus was named in a box and ended with 2"
echo "PASS"
