#!/usr/bin/env bash
# The show/hide shortcut in the real Quorvel.exe: with ShowHideHotKey set to
# Ctrl+Alt+Q, the keys pressed in another program's window hide the clock to
# its tray icon and show it again.
# usage: show_hide_shortcut.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/show_hide_shortcut.png
log=$artefacts/show_hide_shortcut.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/stand_in.sh"

quorvel_clean_clock_registry
first_run
store_dword ShowHideHotKey $((0x0651))  # Q with Ctrl and Alt (HOTKEYF_CONTROL 2 | HOTKEYF_ALT 4)
start_clock
wait_for clock_shown || fail "the clock did not show"

# The shortcut from another program's window (a window beside the clock has the keyboard).
start_stand_in beneath 700 500 200 100
click_to_focus 800 550 "$(window_named 'Stand-in beneath')" || fail "the stand-in did not take the focus"
xdotool key ctrl+alt+q
wait_for '! clock_shown' || fail "the shortcut did not hide the clock"
xdotool key ctrl+alt+q
wait_for clock_shown || fail "the shortcut did not show the clock again"
echo "Ctrl+Alt+Q from another program's window: hidden, then shown"
echo "PASS"
