# Other programs beside the clock: the test program desktop_stand_in.exe, built
# beside Quorvel.exe (tests/win/harness/desktop_stand_in.cpp). Source after
# clock.sh. `start_stand_in MODE ARGS...` starts one and waits for its window
# ("Stand-in MODE"); `stop_stand_in` ends it (also at exit).
stand_in_exe=$(dirname "$exe")/desktop_stand_in.exe
stand_in=
stop_stand_in() {
  [ -n "$stand_in" ] && { kill "$stand_in" 2>/dev/null || true; wait "$stand_in" 2>/dev/null || true; }
  stand_in=
}
trap 'stop_stand_in; cleanup' EXIT
start_stand_in() {  # mode args...
  "$QUORVEL_WINE" "$stand_in_exe" "$@" </dev/null >>"$log" 2>&1 &
  stand_in=$!
  stand_in_title="Stand-in $1"
  wait_for '[ -n "$(window_named "$stand_in_title")" ]' || fail "the stand-in ($1) did not show"
}
# Milliseconds on the machine's clock.
now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }
clock_shown() { [ -n "$(clock_window)" ]; }
# Polls every 50 ms for at most $2 ms until $1 holds; prints the milliseconds it took.
took_ms() {  # condition limit
  local start end
  start=$(now_ms)
  while ! eval "$1"; do
    [ $(($(now_ms) - start)) -le "$2" ] || return 1
    sleep 0.05
  done
  end=$(now_ms)
  echo $((end - start))
}
# A value under the settings key, set while the clock is not running.
store_dword() { "$QUORVEL_WINE" reg add 'HKCU\Software\Quorvel1.1' /v "$1" /t REG_DWORD /d "$2" /f </dev/null >/dev/null 2>&1; }
