#!/usr/bin/env bash
# When the running clock shows each new second, seen from outside, by hand
# (never a timed test): a small X program (tick_phase_probe.c) samples the
# clock's face on the screen every millisecond and notes, for each change of
# its pixels, how far into the system's current second it was first seen. The
# face changes once a second, as its text shows the new second, so these are
# the delays from the true start of a second to the new second on screen.
# Prints the median, the 90th percentile and the largest delay.
# usage: bench/clock_tick_phase.sh [SECONDS]   after: cmake --build --preset windows
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
source "$root/bench/wine_bench.sh"
gcc -O2 "$root/bench/tick_phase_probe.c" -o "$work/tick_phase_probe" -lX11

"$QUORVEL_WINE_LOADER" "$exe" </dev/null >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; bash "$root/scripts/wine/session.sh" stop >/dev/null' EXIT
wid=
for _ in $(seq 300); do
  wid=$(xdotool search --onlyvisible --name '^Quorvel$' 2>/dev/null | head -n1 || true)
  [ -n "$wid" ] && break
  sleep 0.05
done
[ -n "$wid" ] || { echo "no clock window"; exit 1; }
sleep 3  # past start-up: the first ticks, the window fitted to its text
eval "$(xdotool getwindowgeometry --shell "$wid")"
"$work/tick_phase_probe" "$X" "$Y" "$WIDTH" "$HEIGHT" "$seconds" >"$work/phase.txt"
sort -n "$work/phase.txt" | awk -v s="$seconds" '
  { d[NR] = $1 }
  END {
    if (NR == 0) { print "no change seen"; exit 1 }
    p = int(NR * 0.9 + 0.5); if (p < 1) p = 1
    printf "new second on screen after its start (%d changes over %s s): median %d ms, 90th percentile %d ms, largest %d ms\n",
      NR, s, d[int((NR + 1) / 2)], d[p], d[NR]
  }'
