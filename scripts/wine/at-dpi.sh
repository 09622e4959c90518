#!/usr/bin/env bash
# Runs a Windows program at another resolution: the prefix's LogPixels is set
# before it starts (Wine reads it then) and put back afterwards.
#   at-dpi.sh DPI PROGRAM.exe [ARGS...]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
quorvel_use_session_display
quorvel_init_prefix
dpi=$1
shift
quorvel_set_dpi "$dpi"
trap quorvel_restore_dpi EXIT
"$QUORVEL_WINE" "$@"
