#!/usr/bin/env bash
# The alarms window and its editor by keyboard alone, in the real Quorvel.exe:
# F10, Insert, a name, Enter (OK; the new alarm is selected in the table, which
# has the keyboard again), Enter (it opens again), Escape, Delete, Escape (the
# window closes, which saves): the stored list is empty.
# usage: alarms_keyboard.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/alarms_keyboard.png
log=$artefacts/alarms_keyboard.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"
editor='Alarm / reminder details'
editor_after() {  # key: the editor opens and takes the keyboard
  xdotool key "$1"
  wait_for '[ -n "$(window_named "$editor")" ]' || fail "$1 did not open the editor"
  wait_for_focus "$(window_named "$editor")" || fail "the editor did not take the keyboard"
}
table_after() {  # key: the editor closes and the table has the keyboard again
  xdotool key "$1"
  wait_for '[ -z "$(window_named "$editor")" ]' || fail "$1 did not close the editor"
  wait_for_focus "$alarms" || fail "the alarms window did not take the keyboard back after $1"
}

quorvel_clean_clock_registry
first_run
start_clock
open_alarms_window
editor_after Insert
xdotool type --delay 40 'Keyboard only'
table_after Return
editor_after Return  # the new alarm is selected: Enter edits it
import -window root "$artefacts/alarms_keyboard_editor.png"
table_after Escape
xdotool key Delete Escape
wait_for '[ -z "$(window_named "Alarms and reminders")" ]' || fail "Escape did not close the alarms window"
cli alarms export >"$work/after.json" || fail "export failed"
[ "$(tr -d ' \r\n' <"$work/after.json")" = "[]" ] || fail "the stored list is not empty: $(cat "$work/after.json")"
end_clock
echo "PASS"
