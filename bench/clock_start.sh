#!/usr/bin/env bash
# Measures the clock's start-up under Wine, by hand (never a timed test): over
# RUNS starts (default 7), the median time from starting Quorvel.exe to its window
# on screen (reading "wait..."), and to the first tick's text painted. The same
# window time of minimal_timer.exe (a bare Win32 window) shows what Wine itself takes.
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
  local program=$1 title=$2 begin pid wid='' window text=- geometry
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
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$window $text"
}

: >"$work/clock.times"; : >"$work/minimal.times"
for _ in $(seq "$runs"); do
  start "$exe" Quorvel >>"$work/clock.times"
  start "$work/minimal_timer.exe" MinimalTimer >>"$work/minimal.times"
  quorvel_clean_clock_registry
done
printf 'Quorvel.exe    window %4s ms   first tick text %4s ms   (median of %s)\n' \
  "$(cut -d' ' -f1 "$work/clock.times" | median)" "$(cut -d' ' -f2 "$work/clock.times" | median)" "$runs"
printf 'minimal_timer  window %4s ms\n' "$(cut -d' ' -f1 "$work/minimal.times" | median)"
