#!/usr/bin/env bash
# Starts a Windows program under the project's Wine, as `wine PROGRAM ARGS...` does,
# and makes the start again, once, if Wine ended it before the program ran.
#
# Now and then a Wine start ends at once with exit code 1 and prints nothing: the
# program never ran. One cause is known and avoided (loader.sh); this stays as a
# net for any other, and a record of it. A start counts as one that never ran
# when it exited with 1 within 5 seconds, the program did not create the file
# named in QUORVEL_STARTED_MARK (the Win32 test programs do, first thing), and
# nothing reached its standard output or error. Output to a regular file is seen
# by its size; to a pipe or /dev/null it goes through tee, which copies what
# passed; to a terminal or another device it cannot be seen. A program that ran
# says why it failed, so it is never started twice. Each start made again is
# listed in $QUORVEL_WINE_DIR/restarted.log. TERM, INT and HUP go to the program,
# so `kill` on this script's pid ends it.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

# Size of the regular file behind a descriptor, or nothing when it is not one.
file_size() { [ -f "/proc/$$/fd/$1" ] && stat -L -c %s "/proc/$$/fd/$1" 2>/dev/null; }
# Whether output to a descriptor is copied through tee: a pipe, or /dev/null.
copied() { [ -p "/proc/$$/fd/$1" ] || [ "/proc/$$/fd/$1" -ef /dev/null ]; }

work=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-wine.XXXXXX")
trap 'rm -rf "$work"' EXIT
export QUORVEL_STARTED_MARK="Z:$work/started"
# A program started with & would read /dev/null; it gets this script's input.
{ exec 3<&0; } 2>/dev/null || exec 3</dev/null

# start_once ARGS...: runs the program; rc, signalled and ran tell what happened
# (ran: it marked its start, wrote something or lasted over 5 seconds).
start_once() {
  local out_size err_size copiers=() copier
  rm -f "$work/out" "$work/err" "$work/started"
  out_size=$(file_size 1) err_size=$(file_size 2)
  # tee keeps the caller's pipe open until every writer is done, as the program
  # alone would, and copies what passed.
  if copied 1; then exec 4> >(exec tee -p "$work/out"); copiers+=($!); else exec 4>&1; fi
  if copied 2; then exec 5> >(exec tee -p "$work/err" >&2); copiers+=($!); else exec 5>&2; fi
  started_at=$SECONDS
  "$QUORVEL_WINE_LOADER" "$@" <&3 >&4 2>&5 3<&- 4>&- 5>&- &
  child=$!
  exec 4>&- 5>&-
  signalled=0
  trap 'signalled=1; kill -TERM "$child" 2>/dev/null' TERM INT HUP
  rc=0
  wait "$child" || rc=$?
  while kill -0 "$child" 2>/dev/null; do rc=0; wait "$child" || rc=$?; done
  trap - TERM INT HUP
  ran=0
  [ -f "$work/started" ] && ran=1
  [ -n "$out_size" ] && [ "$(file_size 1)" != "$out_size" ] && ran=1
  [ -n "$err_size" ] && [ "$(file_size 2)" != "$err_size" ] && ran=1
  [ $((SECONDS - started_at)) -le 5 ] || ran=1  # ran for a while: it ran
  if [ "$rc" = 1 ] && [ "$ran" = 0 ]; then
    # tee ends once the program's end closes the pipe, having copied all it got;
    # a program's own children may keep it open, and then two seconds must do.
    for copier in "${copiers[@]}"; do
      for _ in $(seq 40); do kill -0 "$copier" 2>/dev/null || break; sleep 0.05; done
    done
    { [ -s "$work/out" ] || [ -s "$work/err" ]; } && ran=1
  fi
  return 0
}

start_once "$@"
if [ "$signalled" = 0 ] && [ "$ran" = 0 ] && [ "$rc" = 1 ]; then
  mkdir -p "$QUORVEL_WINE_DIR"
  echo "$(date -u +%FT%TZ) $* ended with $rc before it ran; started once more" >>"$QUORVEL_WINE_DIR/restarted.log"
  start_once "$@"
fi
exit "$rc"
