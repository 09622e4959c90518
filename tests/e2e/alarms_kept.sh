#!/usr/bin/env bash
# No alarm lost, invented or moved by mistake, in the real Quorvel.exe:
# 1. the clock ended (Ctrl+F4) while the editor of Add is open stores the list
#    as it was, without the unconfirmed new alarm;
# 2. alarms dated 0100-01-01 12:00 and 1800-06-01 08:30:15, each opened in the
#    editor and confirmed with OK, keep their moments to the byte;
# 3. in a stored list that failed to load, a due "No repeat" alarm answered
#    with OK does not fire again at the next start, and "AlarmsDamaged" keeps
#    the damaged bytes.
# usage: alarms_kept.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/alarms_kept.png
log=$artefacts/alarms_kept.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"

# The n-th item of the table's pop-up menu (1 Add, 2 Edit, ...), by keyboard.
table_command() {
  local menus
  menus=$(visible_windows)
  xdotool key shift+F10
  wait_for_new_window "$menus" || fail "Shift+F10 opened no menu"
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
  wait_for '[ -n "$(window_named "Alarm / reminder details")" ]' || fail "command $1 did not open the editor"
  wait_for_focus "$(window_named 'Alarm / reminder details')" || fail "the editor did not take the focus"
}

quorvel_clean_clock_registry
first_run

# 1. Ctrl+F4 on the clock while Add's editor is open.
cat >"$work/kept.json" <<'JSON'
[{"Name": "Kept", "Reminder": "Not yet", "When": "2099-01-01T09:00:00", "Repeat": 6}]
JSON
cli alarms import "$work/kept.json" >/dev/null || fail "import failed"
before=$(stored_hex Alarms)
start_clock
open_alarms_window
table_command 1
end_clock  # Ctrl+F4 on the clock, the editor still open
[ "$(stored_hex Alarms)" = "$before" ] || fail "the list stored at the end changed: $(stored_hex Alarms), was $before"
echo "ended with Add's editor open: the stored list is as it was"

# 2. Moments the date and time pickers cannot show, or before 1899, through OK.
cat >"$work/old.json" <<'JSON'
[{"Name": "Ancient", "When": "0100-01-01T12:00:00", "Enabled": false},
 {"Name": "Old", "When": "1800-06-01T08:30:15", "Enabled": false}]
JSON
cli alarms import "$work/old.json" >/dev/null || fail "import failed"
before=$(stored_hex Alarms)
start_clock
open_alarms_window
xdotool key Down  # the first row, Ancient
table_command 2
xdotool key alt+o
wait_for '[ -z "$(window_named "Alarm / reminder details")" ]' || fail "OK did not close the editor"
wait_for_focus "$alarms" || fail "the alarms window did not take the focus back"
xdotool key Down  # Old
table_command 2
xdotool key alt+o
wait_for '[ -z "$(window_named "Alarm / reminder details")" ]' || fail "OK did not close the editor"
wait_for_focus "$alarms" || fail "the alarms window did not take the focus back"
xdotool key alt+F4  # closing saves the list
wait_for '[ -z "$(window_named "Alarms and reminders")" ]' || fail "Alt+F4 did not close the alarms window"
end_clock
cli alarms export >"$work/old-after.json" || fail "export failed"
[ "$(stored_hex Alarms)" = "$before" ] ||
  fail "the moments changed through OK: $(grep '"When"' "$work/old-after.json" | tr -d '\r\n ')"
echo "0100-01-01 12:00 and 1800-06-01 08:30:15 kept through the editor's OK"

# 3. A damaged list: N says 2, one record follows ("Stream read error").
due=$(python3 -c "print($(now_days) - 1 / 1440)")
printf '[{"Name": "Once", "Reminder": "Once is due", "DateTime": %s, "Repeat": 0}]' "$due" >"$work/once.json"
cli alarms encode "$work/once.json" >"$work/once.bin"
damaged=$(od -An -tx1 -v "$work/once.bin" | tr -d ' \n' | sed 's/^0201/0202/')
"$QUORVEL_WINE" reg add 'HKCU\Software\Quorvel1.1' /v Alarms /t REG_BINARY /d "$damaged" /f </dev/null >/dev/null 2>&1
start_clock
wait_for '[ -n "$(window_named "ERROR loading data from the registry")" ]' || fail "no box reported the damaged list"
xdotool key Return
title="Quorvel Alarm / Reminder"
wait_for '[ -n "$(window_named "$title")" ]' || fail "the due alarm did not fire"
wid=$(window_named "$title")
eval "$(xdotool getwindowgeometry --shell "$wid")"
# OK sits at the bottom left of the client area, 57 x 20 at 96 dpi: aim at its middle.
xdotool mousemove $((X + 32)) $((Y + HEIGHT - 16)) click 1
wait_for '[ -z "$(window_named "$title")" ]' || fail "OK did not close the reminder"
end_clock
[ "$(stored_hex AlarmsDamaged)" = "REG_BINARY $damaged" ] ||
  fail "AlarmsDamaged: $(stored_hex AlarmsDamaged), wanted the damaged bytes"
cli alarms export >"$work/once-after.json" || fail "the saved list does not load: $(cat "$work/once-after.json")"
grep -q '"Enabled": false' "$work/once-after.json" || fail "Once was not switched off: $(cat "$work/once-after.json")"
start_clock
wait_for '[ -n "$(text_pixel)" ]' || fail "the clock did not start ticking again"
sleep 2  # a few checks of the list
[ -z "$(window_named "$title")" ] || fail "the answered alarm fired again at the next start"
end_clock
echo "a damaged list's answered alarm stays answered; the damaged bytes are in AlarmsDamaged"
echo "PASS"
