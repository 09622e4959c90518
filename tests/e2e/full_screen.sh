#!/usr/bin/env bash
# The clock out of a full-screen program's way, in the real Quorvel.exe: a
# full-screen window in front hides it within 1.5 s and its end brings it back
# within 1.5 s; a maximized window with a caption leaves it on screen; with
# HideWhenFullScreen 0 it stays over the full-screen window.
# usage: full_screen.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/full_screen.png
log=$artefacts/full_screen.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/stand_in.sh"

quorvel_clean_clock_registry
first_run
start_clock
wait_for clock_shown || fail "the clock did not show"

start_stand_in fullscreen
hidden=$(took_ms '! clock_shown' 1500) || fail "the clock stayed on screen over a full-screen window"
echo "a full-screen window in front: hidden after $hidden ms"
stop_stand_in
back=$(took_ms clock_shown 1500) || fail "the clock did not come back after the full-screen window ended"
echo "the full-screen window ended: back after $back ms"

start_stand_in maximized
sleep 2.5
clock_shown || fail "a maximized window with a caption hid the clock"
echo "a maximized window with a caption: the clock stays"
stop_stand_in

end_clock
store_dword HideWhenFullScreen 0
start_clock
wait_for clock_shown || fail "the clock did not show"
start_stand_in fullscreen
sleep 2.5
clock_shown || fail "with HideWhenFullScreen 0 the clock stepped aside"
echo "HideWhenFullScreen 0: the clock stays over the full-screen window"
echo "PASS"
