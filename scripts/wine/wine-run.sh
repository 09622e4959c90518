#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's environment. CMake names this
# the cross-compiling emulator, so ctest runs Win32 test programs as if native.
# Other programs replace this shell (exec); a ctest time-out kills the whole
# process tree either way.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
quorvel_use_session_display
quorvel_init_prefix

# A Wine start now and then ends before its program runs, silently and non-zero.
# The Win32 test programs (*_test.exe) create QUORVEL_STARTED_MARK first thing, so
# one that failed without it never ran, and is started once more (and says so).
case "$(basename "$1")" in
  *_test.exe)
    mark=$(mktemp -u "$QUORVEL_WINE_DIR/started.XXXXXX")
    export QUORVEL_STARTED_MARK="Z:$mark"
    for try in 1 2; do
      rc=0
      "$QUORVEL_WINE" "$@" || rc=$?
      ran=0
      [ -f "$mark" ] && ran=1
      rm -f "$mark"
      if [ "$rc" = 0 ] || [ "$ran" = 1 ] || [ "$try" = 2 ]; then exit "$rc"; fi
      echo "wine-run.sh: $(basename "$1") ended with $rc before it ran; starting it once more" >&2
    done
    ;;
esac
exec "$QUORVEL_WINE" "$@"
