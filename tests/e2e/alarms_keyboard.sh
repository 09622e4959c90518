#!/usr/bin/env bash
# The alarms window and its editor by keyboard alone, in the real Quorvel.exe:
# F10, Insert, a name, Enter (OK: the new alarm is selected in the table, which
# has the keyboard again), Enter (it opens again), Escape (Cancel), Delete,
# Escape (the window closes, which saves): the stored list is empty.
# usage: alarms_keyboard.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/alarms_keyboard.png
log=$artefacts/alarms_keyboard.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"

editor_title='Alarm / reminder details'
wait_for_editor() {
  wait_for '[ -n "$(window_named "$editor_title")" ]' || fail "$1 did not open the editor"
  wait_for_focus "$(window_named "$editor_title")" || fail "the editor did not take the focus"
}
wait_editor_closed() {
  wait_for '[ -z "$(window_named "$editor_title")" ]' || fail "$1 did not close the editor"
  wait_for_focus "$alarms" || fail "the alarms window did not take the focus back after $1"
}

quorvel_clean_clock_registry
first_run
start_clock
open_alarms_window

xdotool key Insert
wait_for_editor Insert
xdotool type --delay 40 'Keyboard only'
xdotool key Return
wait_editor_closed Enter

xdotool key Return  # the new alarm is selected: Enter edits it
wait_for_editor "Enter on the new alarm"
import -window root "$artefacts/alarms_keyboard_editor.png"  # the new alarm, opened again by Enter
xdotool key Escape
wait_editor_closed Escape

xdotool key Delete
xdotool key Escape  # closes the window, as Close does: the list is saved
wait_for '[ -z "$(window_named "Alarms and reminders")" ]' || fail "Escape did not close the alarms window"
cli alarms export >"$work/after.json" || fail "export failed"
[ "$(tr -d ' \r\n' <"$work/after.json")" = "[]" ] || fail "the stored list is not empty: $(cat "$work/after.json")"

end_clock
echo "F10, Insert, a name, Enter, Enter, Escape, Delete, Escape: the list is empty and the window closed"
echo "PASS"
