# Common ground of the end-to-end scripts. Source it with `artefacts` and `shot`
# set: it joins the test session's display, makes the artefact folder and gives
# `fail` (a screenshot, the message, exit 1) and `wait_for` (polls for 10 s),
# and waits for the keyboard focus and for pop-up menus.
source "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/wine/env.sh"
quorvel_use_session_display
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no test session display"; exit 1; }
mkdir -p "$artefacts"

fail() {
  import -window root "$shot" 2>/dev/null || true
  echo "FAIL: $*"
  echo "screenshot: $shot"
  exit 1
}

wait_for() {
  for _ in $(seq 100); do
    if eval "$1"; then return 0; fi
    sleep 0.1
  done
  return 1
}

# Keys typed by xdotool go to the window that has the X input focus: wait until
# it is the given window before typing.
wait_for_focus() {  # window id
  local wanted=$1
  wait_for '[ "$(xdotool getwindowfocus -f 2>/dev/null)" = "$wanted" ]'
}
# Clicks at x y until the window has the focus. Under a loaded Wine a click
# that comes while the window system is still settling a showing can be lost,
# so a few clicks are allowed, each given 3 s to bring the focus.
click_to_focus() {  # x y window-id
  local attempt
  for attempt in 1 2 3; do
    xdotool mousemove "$1" "$2" click 1
    for _ in $(seq 30); do
      [ "$(xdotool getwindowfocus -f 2>/dev/null)" = "$3" ] && return 0
      sleep 0.1
    done
  done
  return 1
}
# The visible windows, one id a line, sorted: compare before and after to see a
# pop-up menu open.
visible_windows() { xdotool search --onlyvisible --name '.*' 2>/dev/null | sort; }
# Waits until a window missing from the given list of visible_windows shows.
wait_for_new_window() {  # list
  local before=$1
  wait_for '[ -n "$(comm -13 <(echo "$before") <(visible_windows))" ]'
}
