#!/usr/bin/env bash
# Figures of the windows under Wine, by hand (never a timed test): the Alarms
# command to a painted table and a rebuild, with 10,000 and 37,000 alarms, and a
# 100,000-character reminder from its firing to its painted window.
# usage: bench/window_figures.sh   after: cmake --build --preset windows
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/bench/wine_bench.sh"
quorvel_clean_clock_registry  # the clock window starts from its defaults, with no error box
"$QUORVEL_WINE" "$build/window_figures.exe" </dev/null
