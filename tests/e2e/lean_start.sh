#!/usr/bin/env bash
# A lean start: the ticking clock runs one thread and has not loaded the
# libraries only some windows need (the common controls, the common dialogs and the printing stack
# they bring, rich text, the media player's MCI); the alarms window loads the
# common controls, the first alarm editing loads rich text, and the editor
# opens with its reminder box.
# usage: lean_start.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/lean_start.png
log=$artefacts/lean_start.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"

# The DLLs the running clock has loaded so far, lower case, one a line.
loaded() { grep -o 'Loaded L"[^"]*"' "$log" | sed 's/.*\\//; s/"$//' | tr 'A-Z' 'a-z' | sort -u; }
kLater="comdlg32.dll winspool.drv msftedit.dll riched20.dll oleaut32.dll winmm.dll"

quorvel_clean_clock_registry
first_run
: >"$log"
export WINEDEBUG=+loaddll
start_clock
wait_for '[ -n "$(text_pixel)" ]' || fail "the clock did not start ticking"
! loaded | grep -qx comctl32.dll || fail "the clock alone loaded the common controls"
# Nor does anything wait in the system's thread pool before it has to: one thread.
threads=$(ls "/proc/$(pgrep -x Quorvel.exe | head -n1)/task" | wc -l)
[ "$threads" = 1 ] || fail "the ticking clock runs $threads threads"
open_alarms_window
loaded | grep -qx comctl32.dll || fail "the alarms window opened without the common controls"
for dll in $kLater; do
  ! loaded | grep -qx "$dll" || fail "$dll loaded before it was needed"
done
echo "started and showed the alarms window with $(loaded | wc -l) DLLs, none of: $kLater"

xdotool key Insert
wait_for '[ -n "$(window_named "Alarm / reminder details")" ]' || fail "Insert did not open the alarm editor"
loaded | grep -qx msftedit.dll || fail "the editor opened without the rich-text library"
xdotool key Escape
wait_for '[ -z "$(window_named "Alarm / reminder details")" ]' || fail "Escape did not close the editor"
end_clock
echo "PASS"
