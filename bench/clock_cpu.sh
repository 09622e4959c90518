#!/usr/bin/env bash
# Measures the running clock under Wine, by hand (never a timed test):
#  - CPU seconds used over a period (default 60 s) by Quorvel.exe, beside the
#    same figure for minimal_timer.exe (a bare 250 ms timer repainting once a
#    second), with the wineserver's and the X server's share during each run,
#    and the times each went to sleep waiting: its voluntary context switches
#    (summed over its threads), each one a wake-up after;
#  - the time from start to the first painted clock text (the first tick's text
#    on screen, seen from outside);
#  - the size of Quorvel.exe.
# With --opaque the clock runs with its background shown (the colour key off):
# under Wine's X11 driver a see-through face is an X window shape, which the
# X server exposes anew at every change of the text, and Wine answers each
# exposed rectangle with a request to its server; an opaque face has no shape.
# usage: bench/clock_cpu.sh [SECONDS] [--opaque]   after: cmake --build --preset windows
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
opaque=${2:-}
source "$root/bench/wine_bench.sh"
quorvel_clean_clock_registry
if [ "$opaque" = --opaque ]; then
  # A first run stores the settings (the installer's /close ends it as Exit would), then the one changed.
  "$QUORVEL_WINE_LOADER" "$exe" </dev/null >/dev/null 2>&1 &
  first=$!
  for _ in $(seq 300); do xdotool search --name '^Quorvel$' >/dev/null 2>&1 && break; sleep 0.02; done
  "$QUORVEL_WINE_LOADER" "$exe" /close </dev/null >/dev/null 2>&1
  wait "$first" || true
  "$QUORVEL_WINE" reg add 'HKCU\Software\Quorvel1.1' /v Background /t REG_DWORD /d 1 /f </dev/null >/dev/null 2>&1
fi

hz=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }  # user + system, in clock ticks
seconds_of() { awk -v t="$1" -v hz="$hz" 'BEGIN { printf "%.2f", t / hz }'; }
now_ms() { date +%s%3N; }
# Voluntary context switches of a process, summed over its threads.
switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n + 0 }'; }

# The wineserver of this prefix: its working folder is the server folder named
# after the prefix's device and inode.
server_pid() {
  local id p
  id=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
  for p in $(pgrep -x wineserver64 || true) $(pgrep -x wineserver || true); do
    case "$(readlink "/proc/$p/cwd" 2>/dev/null)" in */$id) echo "$p"; return ;; esac
  done
}
xvfb_pid=$(cat "$QUORVEL_WINE_DIR/xvfb.pid")

window_of() {  # waits for a window titled $1, prints its id
  local w
  for _ in $(seq 300); do
    w=$(xdotool search --name "^$1\$" 2>/dev/null | head -n1 || true)
    [ -n "$w" ] && { echo "$w"; return; }
    sleep 0.02
  done
  return 1
}

navy_in_window() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage png:- 2>/dev/null |
    convert png:- -fill white +opaque '#000080' -fill black -opaque '#000080' -format '%[fx:mean>0]' info:
}

# run NAME EXE TITLE: start, optional first-text timing, then CPU over the period.
run() {
  local name=$1 program=$2 title=$3 start pid wid t_window t_text=
  start=$(now_ms)
  "$QUORVEL_WINE_LOADER" "$program" </dev/null >/dev/null 2>&1 &  # its own pid, for its CPU and memory
  pid=$!
  wid=$(window_of "$title") || { echo "$name: no window"; kill "$pid"; return 1; }
  t_window=$(($(now_ms) - start))
  if [ "$title" = Quorvel ]; then
    # The first tick replaces "wait..." and resizes the window from 172 x 34.
    for _ in $(seq 500); do
      eval "$(xdotool getwindowgeometry --shell "$wid")"
      if [ "$WIDTH" != 172 ] || [ "$HEIGHT" != 34 ]; then
        [ "$(navy_in_window "$wid")" = 1 ] && { t_text=$(($(now_ms) - start)); break; }
      fi
      sleep 0.01
    done
  fi
  sleep 3  # past start-up
  local server c0 s0 x0 v0 c1 s1 x1 v1
  server=$(server_pid)
  c0=$(cpu_ticks "$pid"); s0=$(cpu_ticks "$server"); x0=$(cpu_ticks "$xvfb_pid"); v0=$(switches "$pid")
  sleep "$seconds"
  c1=$(cpu_ticks "$pid"); s1=$(cpu_ticks "$server"); x1=$(cpu_ticks "$xvfb_pid"); v1=$(switches "$pid")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  printf '%-14s process %6s s   wineserver %6s s   Xvfb %6s s   voluntary switches %6s   (over %s s)   window after %s ms%s\n' \
    "$name" "$(seconds_of $((c1 - c0)))" "$(seconds_of $((s1 - s0)))" "$(seconds_of $((x1 - x0)))" "$((v1 - v0))" \
    "$seconds" "$t_window" "${t_text:+, first clock text after $t_text ms}"
  echo "$((c1 - c0 + s1 - s0))" >"$work/$name.ticks"
  echo "$((v1 - v0))" >"$work/$name.switches"
}

run Quorvel.exe "$exe" Quorvel
run minimal_timer "$work/minimal_timer.exe" MinimalTimer
clock=$(cat "$work/Quorvel.exe.ticks") minimal=$(cat "$work/minimal_timer.ticks")
awk -v a="$clock" -v b="$minimal" 'BEGIN {
  if (b > 0) printf "clock / minimal (process + wineserver): %.2f\n", a / b; else print "minimal program used no measurable CPU" }'
awk -v a="$(cat "$work/Quorvel.exe.switches")" -v b="$(cat "$work/minimal_timer.switches")" 'BEGIN {
  if (b > 0) printf "clock / minimal (voluntary switches): %.2f\n", a / b }'
echo "Quorvel.exe size: $(stat -c %s "$exe") bytes"
