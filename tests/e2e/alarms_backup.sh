#!/usr/bin/env bash
# The stored alarm list through the real registry, from outside: quorvel-cli
# alarms import/export around a run of Quorvel.exe, which loads the list at
# start and saves it when it ends; a damaged value reported at start; import
# refused while the clock runs.
# usage: alarms_backup.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/alarms_backup.png
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
log=$artefacts/alarms_backup.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"

quorvel_clean_clock_registry

# 1. Nothing stored: an empty list, no failure.
cli alarms export >"$work/none.json" || fail "export with nothing stored failed"
[ "$(tr -d '\r\n ' <"$work/none.json")" = "[]" ] || fail "export with nothing stored: $(cat "$work/none.json")"

# 2. Before the clock has saved its settings, import refuses; the clock's first
#    run then stores its settings and the empty list.
echo '[]' >"$work/empty.json"
if cli alarms import "$work/empty.json" >"$work/fresh.out" 2>&1; then fail "import before any settings succeeded"; fi
grep -q "start it once" "$work/fresh.out" || fail "import before any settings said: $(cat "$work/fresh.out")"
start_clock
end_clock
[ "$(stored_hex)" = "REG_BINARY 0200" ] || fail "the first run stored $(stored_hex), wanted the empty list 0200"

# 3. Import stores exactly the bytes encode gives; export gives the JSON back.
cat >"$work/backup.json" <<'JSON'
[
  {"Name": "Café ☕", "Sound": "C:\\Sounds\\bell.wav", "Reminder": "line 1\r\nline 2", "DateTime": 47848.5, "Repeat": 6, "Enabled": true},
  {"Name": "Dentist", "DateTime": 47849.25, "Repeat": 0, "Enabled": false}
]
JSON
cli alarms import "$work/backup.json" >"$work/import.out" || fail "import failed: $(cat "$work/import.out")"
grep -q "Stored 2 alarms" "$work/import.out" || fail "import said: $(cat "$work/import.out")"
cli alarms encode "$work/backup.json" >"$work/backup.bin"
want="REG_BINARY $(od -An -tx1 -v "$work/backup.bin" | tr -d ' \n')"
[ "$(stored_hex)" = "$want" ] || fail "stored value $(stored_hex), wanted $want"
cli alarms export "$work/exported.json" || fail "export to a file failed"
cli alarms decode "$work/backup.bin" >"$work/decoded.json"
# Export also carries the options, at their defaults here; decode has the bytes alone.
python3 - "$work/exported.json" "$work/decoded.json" <<'PY' || fail "export differs from decode: $(diff "$work/decoded.json" "$work/exported.json")"
import json, sys
exported, decoded = (json.load(open(name)) for name in sys.argv[1:])
options = {"Days": ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"], "SnoozeMinutes": 5, "IfMissed": "each",
           "RepeatSound": False, "RemindBefore": 0, "Wake": False}
sys.exit(0 if exported == [dict(alarm, **options) for alarm in decoded] else 1)
PY
echo "import and export: $(wc -c <"$work/backup.bin") bytes both ways"

# 4. The program loads the list at start and saves it unchanged when it ends;
#    meanwhile an import is refused and changes nothing.
start_clock
wait_for '[ -n "$(clock_window)" ]' || fail "no clock window appeared"
if cli alarms import "$work/empty.json" >"$work/refused.out" 2>&1; then fail "import while the clock runs succeeded"; fi
grep -q "Quorvel is running" "$work/refused.out" || fail "refusal said: $(cat "$work/refused.out")"
[ "$(stored_hex)" = "$want" ] || fail "a refused import changed the stored value"
end_clock
[ "$(stored_hex)" = "$want" ] || fail "the program's save changed the list: $(stored_hex)"
echo "the program kept the list through a run"

# 5. A damaged value (N = 1, then nothing): export prints what was read and
#    exits 1; the program reports it at start in its own box, goes on, and
#    leaves the value alone while the list is not changed.
"$QUORVEL_WINE" reg add 'HKCU\Software\Quorvel1.1' /v Alarms /t REG_BINARY /d 0201 /f </dev/null >/dev/null 2>&1
set +e
cli alarms export >"$work/damaged.json" 2>"$work/damaged.err"
rc=$?
set -e
[ "$rc" = 1 ] || fail "export of a damaged value exited $rc"
grep -q "Stream read error" "$work/damaged.err" || fail "damaged export said: $(cat "$work/damaged.err")"
grep -q '"Name": "Noname"' "$work/damaged.json" || fail "damaged export lacks the alarm being read"
start_clock
wait_for 'xdotool search --onlyvisible --name "^ERROR loading data from the registry$" >/dev/null 2>&1' ||
  fail "no box reported the damaged value at start"
import -window root "$shot"
xdotool key Return  # the box has the keyboard focus: OK
wait_for '[ -n "$(clock_window)" ]' || fail "the clock did not go on after the box"
end_clock
# The exit's save leaves a value that failed to load as it was (the list was
# not changed by hand), so nothing stored is lost to a partial list.
[ "$(stored_hex)" = "REG_BINARY 0201" ] || fail "the exit's save replaced the damaged value: $(stored_hex)"
echo "a damaged value was reported at start and kept through the exit's save"

# 6. A value of a string type: reported, nothing printed as alarms.
"$QUORVEL_WINE" reg add 'HKCU\Software\Quorvel1.1' /v Alarms /t REG_SZ /d x /f </dev/null >/dev/null 2>&1
if cli alarms export >"$work/typed.json" 2>"$work/typed.err"; then fail "export of a string value succeeded"; fi
grep -q "Invalid data type for 'Alarms'" "$work/typed.err" || fail "string value: $(cat "$work/typed.err")"
echo "PASS"
