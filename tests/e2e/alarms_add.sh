#!/usr/bin/env bash
# Alarms from scripts: quorvel-cli alarms add refuses bad input, stores an
# alarm with its options while Quorvel is not running (list shows it), and
# hands one to the running clock, whose reminder comes when due; import with
# options stores exactly the bytes encode gives for the same list.
# usage: alarms_add.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/alarms_add.png
log=$artefacts/alarms_add.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"

# expect_refused PATTERN ARGS...: exit 2, one line naming what is wrong, nothing stored.
expect_refused() {
  local pattern=$1
  shift
  local rc=0
  cli alarms add "$@" >"$work/out" 2>"$work/err" || rc=$?
  [ "$rc" = 2 ] && grep -q -- "$pattern" "$work/err" && [ "$(tr -d '\r' <"$work/err" | wc -l)" = 1 ] ||
    fail "add $*: exit $rc, said $(cat "$work/err")"
}

quorvel_clean_clock_registry
first_run
before=$(stored_hex)

expect_refused "--in takes a duration" --name X --in banana
expect_refused "--name is missing" --in 5m
expect_refused "with --at WHEN or --in DURATION" --name X
expect_refused "--days goes with --repeat daily" --name X --in 5m --repeat weekly --days Mon
expect_refused "--snooze takes minutes" --name X --in 5m --snooze 0
expect_refused "--if-missed takes" --name X --in 5m --if-missed sometimes
expect_refused "--repeat takes" --name X --in 5m --repeat fortnightly
expect_refused "--in ends outside years 1-9999" --name X --in 3650000d
expect_refused "--before takes whole minutes up to 7 days" --name X --in 5m --before 7d1m
expect_refused "--before takes whole minutes up to 7 days" --name X --in 5m --before 90s
[ "$(stored_hex)" = "$before" ] || fail "a refused add changed the stored list"
echo "bad input: exit 2, one line, nothing stored"

# Not running: stored as import stores, options and all.
cli alarms add --name "Stand up" --at 2030-01-07T09:30 --text "Stretch" --repeat daily --days Mon,Tue,Wed,Thu,Fri \
  --snooze 10 --if-missed skip --before 1h30m --wake >"$work/out" || fail "add without the clock: $(cat "$work/out")"
cli alarms list >"$work/list.txt" || fail "list failed"
grep -q 'Stand up  *2030-01-07 09:30:00  *Daily (Mon-Fri)  *yes' "$work/list.txt" || fail "list: $(cat "$work/list.txt")"
cli alarms export >"$work/added.json" || fail "export failed"
python3 - "$work/added.json" <<'PY' || fail "stored: $(cat "$work/added.json")"
import json, sys
a = json.load(open(sys.argv[1]))[0]
sys.exit(0 if (a["Days"], a["SnoozeMinutes"], a["IfMissed"], a["Repeat"], a["RemindBefore"], a["Wake"]) ==
         (["Mon", "Tue", "Wed", "Thu", "Fri"], 10, "skip", 6, 90, True) else 1)
PY
echo "added while not running, with its options; list shows it"

# Import with options stores the alarm bytes encode gives, options aside.
cli alarms import "$work/added.json" >/dev/null || fail "import of the export failed"
cli alarms encode "$work/added.json" >"$work/added.bin"
[ "$(stored_hex)" = "REG_BINARY $(od -An -tx1 -v "$work/added.bin" | tr -d ' \n')" ] ||
  fail "the stored bytes are not encode's: $(stored_hex)"
[ -n "$(stored_hex AlarmOptions)" ] || fail "no options stored"
echo "import with options: the Alarms value is encode's bytes"

# Running: handed to the clock, which shows the reminder when it is due.
start_clock
wait_for '[ -n "$(clock_window)" ]' || fail "no clock window"
sent=$(date +%s.%N)
cli alarms add --name Tea --in 8s --text "Tea is ready" >"$work/out" || fail "add to the running clock: $(cat "$work/out")"
grep -q "Handed Tea to the running Quorvel" "$work/out" || fail "add said: $(cat "$work/out")"
title="Quorvel Alarm / Reminder"
for _ in $(seq 150); do
  [ -n "$(window_named "$title")" ] && break
  sleep 0.1
done
[ -n "$(window_named "$title")" ] || fail "no reminder within 15 s"
shown=$(date +%s.%N)
import -window root "$artefacts/alarms_add_reminder.png"
python3 -c "import sys; d = $shown - $sent; print(f'the reminder came {d:.1f} s after add'); sys.exit(0 if 7 <= d <= 12 else 1)" ||
  fail "the reminder did not come about 8 s after add"
cli alarms list >"$work/running.txt" || true
grep -q "Tea" "$work/running.txt" || fail "the clock did not save the alarm it took: $(cat "$work/running.txt")"
echo "PASS"
