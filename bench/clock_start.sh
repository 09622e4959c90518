#!/usr/bin/env bash
# Measures the clock's start-up under Wine, by hand (never a timed test): over
# RUNS starts (default 7), the median time from starting Quorvel.exe to its window
# on screen, and to its time text painted (the window sized to the text), and
# the private memory (Private_Clean + Private_Dirty) 6 s after the start. The same
# figures of minimal_timer.exe (a bare Win32 window) show what Wine itself takes.
# usage: bench/clock_start.sh [RUNS [QUORVEL_EXE]]   after: cmake --build --preset windows
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-7}
exe=${2:-}
source "$root/bench/wine_bench.sh"
quorvel_clean_clock_registry

now_ms() { date +%s%3N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# start EXE TITLE: prints "WINDOW_MS TEXT_MS" (TEXT_MS - for other programs).
start() {
  local program=$1 title=$2 begin pid wid='' window text=- geometry memory
  begin=$(now_ms)
  "$QUORVEL_WINE_LOADER" "$program" </dev/null >/dev/null 2>&1 &  # timed without the start wrapper
  pid=$!
  for _ in $(seq 1000); do
    wid=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1 || true)
    [ -n "$wid" ] && break
  done
  window=$(($(now_ms) - begin))
  if [ "$title" = Quorvel ] && [ -n "$wid" ]; then
    # The first tick replaces "wait..." and resizes the window from 172 x 34.
    for _ in $(seq 1000); do
      geometry=$(xdotool getwindowgeometry "$wid" 2>/dev/null | awk '/Geometry/ { print $2 }')
      [ -n "$geometry" ] && [ "$geometry" != 172x34 ] && { text=$(($(now_ms) - begin)); break; }
      sleep 0.005
    done
  fi
  # Private memory once the start has settled.
  while [ $(($(now_ms) - begin)) -lt 6000 ]; do sleep 0.1; done
  memory=$(awk '/^Private_(Clean|Dirty):/ { kb += $2 } END { print kb }' "/proc/$pid/smaps_rollup" 2>/dev/null || echo -)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$window $text $memory"
}

: >"$work/clock.times"; : >"$work/minimal.times"
for _ in $(seq "$runs"); do
  start "$exe" Quorvel >>"$work/clock.times"
  start "$work/minimal_timer.exe" MinimalTimer >>"$work/minimal.times"
  quorvel_clean_clock_registry
done
printf 'Quorvel.exe    window %4s ms   time text %4s ms   private memory at 6 s %6s KiB   (median of %s)\n' \
  "$(cut -d' ' -f1 "$work/clock.times" | median)" "$(cut -d' ' -f2 "$work/clock.times" | median)" \
  "$(cut -d' ' -f3 "$work/clock.times" | median)" "$runs"
printf 'minimal_timer  window %4s ms                     private memory at 6 s %6s KiB\n' \
  "$(cut -d' ' -f1 "$work/minimal.times" | median)" "$(cut -d' ' -f3 "$work/minimal.times" | median)"
