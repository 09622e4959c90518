#!/usr/bin/env bash
# The real Quorvel.exe driven like a user, from outside with xdotool: drag the
# clock by its text, grow it with the wheel, hide it from its right-click menu,
# add a reminder from its "Remind me in" submenu by access keys alone, bring it
# back with a double-click on the tray icon, hide it with Ctrl+S, show it again,
# end it with Ctrl+F4, and then read what it saved with `reg query` and
# quorvel-cli.
# usage: clock_commands.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI_EXE
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/clock_commands.png
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"

clock_visible() { xdotool search --onlyvisible --name '^Quorvel$' >/dev/null 2>&1; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$wid")"; }

# A pixel of the given colour inside a screen area: "x y", or nothing.
find_pixel() {  # colour x y width height
  import -window root "$shot"
  convert "$shot" -crop "$4x$5+$2+$3" +repage txt:- | grep -i -m1 " $1 " | cut -d: -f1 |
    awk -F, -v x="$2" -v y="$3" '{print x + $1, y + $2}'
}

# The centre of the tray icon: its navy pixels inside the Wine tray window.
tray_icon() {
  local tray
  tray=$(xdotool search --onlyvisible --name '^Wine System Tray$' | head -n1) || return 1
  eval "$(xdotool getwindowgeometry --shell "$tray")"
  import -window root "$shot"
  local box
  box=$(convert "$shot" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage -fill black +opaque '#000080' \
          -fill white -opaque '#000080' -format '%@' info:)
  [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
  echo $((X + BASH_REMATCH[3] + BASH_REMATCH[1] / 2)) $((Y + BASH_REMATCH[4] + BASH_REMATCH[2] / 2))
}

reg_dword() {  # value name -> decimal
  local line
  line=$("$QUORVEL_WINE" reg query 'HKCU\Software\Quorvel1.1' /v "$1" </dev/null 2>/dev/null | tr -d '\r' |
           grep -i "^ *$1 ")
  printf '%d' "$(awk '{print $3}' <<<"$line")"
}

quorvel_clean_clock_registry
"$QUORVEL_WINE" "$exe" </dev/null >"$artefacts/clock_commands.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; quorvel_clean_clock_registry' EXIT

wait_for 'wid=$(xdotool search --onlyvisible --name "^Quorvel\$" 2>/dev/null | head -n1); [ -n "$wid" ]' ||
  fail "no window titled Quorvel appeared"
geometry
wait_for 'geometry; [ "$WIDTH" != 172 ]' || fail "the clock never ticked"
geometry
x0=$X y0=$Y
# A navy pixel of the painted text: px py.
text_pixel_ready() {
  geometry
  read -r px py <<<"$(find_pixel '#000080' "$X" "$Y" "$WIDTH" "$HEIGHT")"
  [ -n "${px:-}" ]
}
# A click on the text gives the clock the keyboard focus (a showing from the
# tray may leave the focus with the tray). After a hide with Ctrl+S and a
# showing from the tray, Wine may leave the X focus on a window of its own
# while it routes the keys to the clock: the steps that follow check that the
# keys took effect, so a focus X does not report is noted, not failed.
# Two clicks on the clock within the double-click time make a double-click
# (which opens the settings window), even with a hide and a showing between
# them, as a person is never that quick: the focusing click waits that out.
focus_clock() {
  sleep 0.6
  wait_for text_pixel_ready || fail "no text pixel to click"
  click_to_focus "$px" "$py" "$wid" ||
    echo "note: X reports the focus on window $(xdotool getwindowfocus -f 2>/dev/null), not the clock"
}

# 1. Drag by 100, 50 with the left button held on the text.
wait_for text_pixel_ready || fail "no text pixel to grab"
xdotool mousemove "$px" "$py" mousedown 1
for step in 1 2 3 4; do
  xdotool mousemove $((px + 25 * step)) $((py + 25 * step / 2))
  sleep 0.1
done
xdotool mouseup 1
wait_for 'geometry; [ "$X" = $((x0 + 100)) ] && [ "$Y" = $((y0 + 50)) ]' ||
  fail "moved to $X,$Y, expected $((x0 + 100)),$((y0 + 50))"
echo "dragged from $x0,$y0 to $X,$Y"

# 2. Three wheel notches up: 16 -> 19 points, the window grows at the next tick.
# The X server sends the wheel to the window under the pointer, and a pixel of
# the colour key lets it through: aim at the text again after each notch.
# The window's pixels: they change at the tick that follows a notch, which
# sizes the window to the larger text (or at least shows a new second).
face() { geometry; import -window root "$shot"; convert "$shot" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage rgb:- | md5sum; }
w0=$WIDTH
for _ in 1 2 3; do
  wait_for text_pixel_ready || fail "no text pixel to wheel on"
  before=$(face)
  xdotool mousemove "$px" "$py" click 4
  wait_for '[ "$(face)" != "$before" ]' || fail "the clock did not tick after a wheel notch"
done
wait_for 'geometry; [ "$WIDTH" -gt "$w0" ]' || fail "the wheel did not grow the clock"
echo "wheel: width $w0 -> $WIDTH"

# 3. The right-click menu: R opens "Remind me in", whose 0 is "1&0 minutes".
wait_for text_pixel_ready || fail "no text pixel to right-click"
before=$(visible_windows)
xdotool mousemove "$px" "$py" click 3
wait_for_new_window "$before" || fail "no menu opened on a right click"
menus=$(visible_windows)
xdotool key r
wait_for_new_window "$menus" || fail "R did not open the Remind me in submenu"
xdotool key 0
wait_for '[ "$(visible_windows)" = "$before" ]' || fail "0 did not close the menus"
echo "a reminder in 10 minutes, from the menu by its access keys"

# Then Hide chosen in it (the fifth item the keys reach: the greyed next-alarm
# line, "Alarms/reminders", "Remind me in", "Show calendar", "Hide").
wait_for text_pixel_ready || fail "no text pixel to right-click"
before=$(visible_windows)
xdotool mousemove "$px" "$py" click 3
wait_for_new_window "$before" || fail "no menu opened on a right click"
geometry
[ "$X" = $((x0 + 100)) ] || fail "the right button dragged the clock"
xdotool key Down Down Down Down Down Return
wait_for '! clock_visible' || fail "Hide from the menu did not hide the clock"
echo "hidden from the menu"

# 4. A double-click on the tray icon shows it again.
read -r tx ty <<<"$(wait_for 'tray_icon >/dev/null' && tray_icon)" || true
[ -n "${tx:-}" ] || fail "no tray icon while hidden"
xdotool mousemove "$tx" "$ty" click --repeat 2 --delay 80 1
wait_for 'clock_visible' || fail "a double-click on the tray icon did not show the clock"
echo "shown from the tray icon at $tx,$ty"

# 5. Ctrl+S hides the focused clock; the tray brings it back once more.
focus_clock
xdotool key ctrl+s
wait_for '! clock_visible' || fail "Ctrl+S did not hide the clock"
echo "hidden with Ctrl+S"
xdotool mousemove "$tx" "$ty" click --repeat 2 --delay 80 1
wait_for 'clock_visible' || fail "the tray icon did not show the clock again"

# 6. Ctrl+F4 ends the program, which saves its settings.
focus_clock
xdotool key ctrl+F4
wait_for '! kill -0 "$pid" 2>/dev/null' || fail "Ctrl+F4 did not end the program"
echo "ended with Ctrl+F4"

left=$(reg_dword WinLeft)
top=$(reg_dword WinTop)
size=$(reg_dword FontSize)
hidden=$(reg_dword Hidden)
echo "saved: WinLeft $left, WinTop $top, FontSize $size, Hidden $hidden"
[ "$left" = $((x0 + 100)) ] && [ "$top" = $((y0 + 50)) ] || fail "saved position $left,$top"
[ "$size" = 19 ] || fail "saved size $size, expected 19"
[ "$hidden" = 0 ] || fail "saved as hidden"
"$QUORVEL_WINE" "$cli" alarms export </dev/null >"$artefacts/clock_commands.json" ||
  fail "quorvel-cli alarms export failed"
python3 - "$artefacts/clock_commands.json" <<'EOF' || fail "stored alarms: $(cat "$artefacts/clock_commands.json")"
import json, sys
alarms = json.load(open(sys.argv[1]))
sys.exit(0 if [(a["Name"], a["Reminder"]) for a in alarms] == [("Timer", "10 minutes are up")] else 1)
EOF
echo "saved: the 10-minute reminder"
echo "PASS"
