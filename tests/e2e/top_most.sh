#!/usr/bin/env bash
# The real Quorvel.exe stays on top: a top-most window another program makes
# later over the clock has it come back above within 3 s.
# usage: top_most.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/top_most.png
log=$artefacts/top_most.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/stand_in.sh"
text_on_screen() { [ -n "$(text_pixel)" ]; }

quorvel_clean_clock_registry
first_run
start_clock
wait_for text_on_screen || fail "the clock did not start ticking"

# A white top-most window over the clock's place (the clock starts at 351, 174).
start_stand_in topmost 300 150 300 100
on_top=$(took_ms text_on_screen 3000) || fail "the clock stayed under a later top-most window"
echo "a later top-most window over the clock: the clock back on top after $on_top ms"
stop_stand_in
echo "PASS"
