#!/usr/bin/env bash
# One Wine session for a whole test run: an Xvfb display, a persistent wineserver
# and a program holding the Wine desktop (without it explorer.exe restarts between
# tests and inherits ctest's pipe).
#   session.sh start KEEPALIVE_EXE
#   session.sh stop
set -Eeuo pipefail
# Whatever ends the script early says what it was, or a CI run shows only "Failed".
trap 'echo "session.sh: line $LINENO: $BASH_COMMAND ended with $?" >&2' ERR
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
dir=$QUORVEL_WINE_DIR
mkdir -p "$dir"

# Whether this prefix's wineserver is listening: its socket is
# /tmp/.wine-UID/server-DEV-INODE/socket (some builds use /tmp/wine-XXXXXX instead).
server_listening() {
  local id
  id=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
  compgen -G "/tmp/.wine-$(id -u)/$id/socket" >/dev/null || compgen -G "/tmp/wine-*/$id/socket" >/dev/null
}

# A persistent wineserver for the prefix, detached from the caller's output.
start_server() {
  setsid -f "$QUORVEL_WINESERVER" -p </dev/null >/dev/null 2>&1
  for _ in $(seq 100); do server_listening && break; sleep 0.1; done
  server_listening || { echo "wineserver did not start for $WINEPREFIX"; exit 1; }
}

stop() {
  # Kill and wait until it is gone: a server still shutting down would make the
  # next session's server give up, and a test's Wine would then start a server
  # that holds ctest's output pipe open.
  "$QUORVEL_WINESERVER" -k >/dev/null 2>&1 || true
  timeout 20 "$QUORVEL_WINESERVER" -w >/dev/null 2>&1 || true
  if [ -f "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/xvfb.pid"
  fi
  rm -f "$dir/display"
}

start() {
  local keepalive
  keepalive=$(realpath "$1")  # the start below changes directory first
  stop
  rm -f "$dir/display.fd" "$dir/restarted.log"
  # Not a group leader, setsid execs Xvfb in place, so $! is Xvfb's pid.
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$dir/display.fd" </dev/null >"$dir/xvfb.log" 2>&1 &
  echo $! >"$dir/xvfb.pid"
  for _ in $(seq 100); do
    [ -s "$dir/display.fd" ] && break
    sleep 0.1
  done
  [ -s "$dir/display.fd" ] || { echo "Xvfb did not start:"; cat "$dir/xvfb.log"; exit 1; }
  export DISPLAY=":$(tr -d '[:space:]' <"$dir/display.fd")"
  # A solid root colour makes see-through pixels visible in screenshots.
  xsetroot -solid '#3366cc'
  echo "$DISPLAY" >"$dir/display"

  mkdir -p "$WINEPREFIX"
  start_server
  if [ ! -f "$WINEPREFIX/.quorvel-ready" ]; then
    quorvel_init_prefix
    # With what the prefix's creation left running, the tray answers each icon
    # request only after about 2 seconds (seen with Wine 8); restarted, as in
    # every later session, it answers at once.
    "$QUORVEL_WINESERVER" -k >/dev/null 2>&1 || true
    timeout 20 "$QUORVEL_WINESERVER" -w >/dev/null 2>&1 || true
    start_server
  fi
  rm -f "$dir/keepalive.ready"
  # Nothing started here may keep ctest's output pipe open, or ctest waits for it.
  # A Wine start that never runs its program is rare; one more start covers it.
  local try
  for try in 1 2; do
    (cd "$dir" && exec setsid -f "$QUORVEL_WINE_LOADER" "$keepalive") </dev/null >/dev/null 2>&1
    for _ in $(seq 300); do [ -f "$dir/keepalive.ready" ] && break; sleep 0.1; done
    [ -f "$dir/keepalive.ready" ] && break
    echo "the Wine desktop did not come up (try $try of 2)"
  done
  [ -f "$dir/keepalive.ready" ] || exit 1
  echo "Wine session on display $DISPLAY, prefix $WINEPREFIX"
}

case "${1:-}" in
  start) start "$2" ;;
  stop) stop; echo "Wine session stopped" ;;
  *) echo "usage: $0 start KEEPALIVE_EXE | stop" >&2; exit 2 ;;
esac
