# Running the real clock from a script. Source after common.sh, with `exe`,
# `cli`, `artefacts`, `shot` and `log` set; `pid` is the running clock, `work`
# a scratch folder. At exit the clock is stopped, its registry key cleaned and
# the scratch folder removed.
pid=
work=$(mktemp -d)
cleanup() {
  stop_clock_if_running
  quorvel_clean_clock_registry
  rm -rf "$work"
}
trap cleanup EXIT

# quorvel-cli under Wine (wine.sh makes again a start that never ran).
cli() { "$QUORVEL_WINE" "$cli" "$@"; }
start_clock() {
  "$QUORVEL_WINE" "$exe" </dev/null >>"$log" 2>&1 &
  pid=$!
}
stop_clock_if_running() {
  [ -n "$pid" ] && { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }
  pid=
}
clock_window() { xdotool search --onlyvisible --name '^Quorvel$' 2>/dev/null | head -n1; }
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
# A navy text pixel of the clock, once it has ticked: "x y", or nothing.
text_pixel() {
  local wid X Y WIDTH HEIGHT SCREEN
  wid=$(clock_window)
  [ -n "$wid" ] || return 0
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  [ "$WIDTH" != 172 ] || return 0  # still the creation size: not ticked yet
  import -window root "$shot"
  convert "$shot" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage txt:- | grep -i -m1 ' #000080 ' | cut -d: -f1 |
    awk -F, -v x="$X" -v y="$Y" '{print x + $1, y + $2}'
}
# Ctrl+F4 on the focused clock ends it the way the Exit command does, with a save.
end_clock() {
  wait_for '[ -n "$(text_pixel)" ]' || fail "no text pixel to click"
  read -r px py <<<"$(text_pixel)"
  click_to_focus "$px" "$py" "$(clock_window)" || fail "a click on the clock did not give it the focus"
  xdotool key ctrl+F4
  wait_for '! kill -0 "$pid" 2>/dev/null' || fail "Ctrl+F4 did not end the program"
  wait "$pid" || true
  pid=
}
# A value under the settings key as "TYPE hex", as `reg query` prints it
# ("Alarms" when no name is given).
stored_hex() {
  local name=${1:-Alarms}
  "$QUORVEL_WINE" reg query 'HKCU\Software\Quorvel1.1' /v "$name" </dev/null 2>/dev/null | tr -d '\r' |
    awk -v name="$name" '$1 == name {print $2 " " tolower($3)}'
}
# F10 on the focused, ticking clock opens the alarms window; `alarms` is its id.
open_alarms_window() {
  wait_for '[ -n "$(text_pixel)" ]' || fail "the clock did not start ticking"
  read -r px py <<<"$(text_pixel)"
  click_to_focus "$px" "$py" "$(clock_window)" || fail "a click on the clock did not give it the focus"
  xdotool key F10
  wait_for '[ -n "$(window_named "Alarms and reminders")" ]' || fail "F10 did not open the alarms window"
  alarms=$(window_named 'Alarms and reminders')
  wait_for_focus "$alarms" || fail "the alarms window did not take the focus"
}
# The local date and time as the program counts it: days since 1899-12-30.
now_days() {
  python3 -c 'import datetime as d; print((d.datetime.now() - d.datetime(1899, 12, 30)).total_seconds() / 86400)'
}
# The first run of the clock stores its settings; only then does import accept a list.
first_run() {
  start_clock
  end_clock
}
