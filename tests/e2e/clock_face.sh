#!/usr/bin/env bash
# The real Quorvel.exe in the test session's X display, checked from outside:
# a window titled "Quorvel" at 351, 174 whose size follows its text, and a
# screenshot in which the text is navy, its shadow silver, and the background
# shows the root window's colour through the colour key.
# usage: clock_face.sh QUORVEL_EXE ARTEFACT_DIR
set -euo pipefail
exe=$1
artefacts=$2
shot=$artefacts/clock_face.png
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
face=$artefacts/clock_face_window.png
root_colour='#3366CC'

# No stored settings: the clock opens with its creation properties.
quorvel_clean_clock_registry
"$QUORVEL_WINE" "$exe" </dev/null >"$artefacts/clock_face.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; quorvel_clean_clock_registry' EXIT

wid=
for _ in $(seq 150); do
  wid=$(xdotool search --name '^Quorvel$' 2>/dev/null | head -n1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || fail "no window titled Quorvel appeared"

geometry() { eval "$(xdotool getwindowgeometry --shell "$wid")"; }

# Created at 172 x 34; the first tick sizes the window to its text.
geometry
for _ in $(seq 100); do
  [ "$WIDTH" != 172 ] || [ "$HEIGHT" != 34 ] && break
  sleep 0.1
  geometry
done
echo "window $wid at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$X" = 351 ] && [ "$Y" = 174 ] || fail "window at $X,$Y, expected 351,174"
[ "$WIDTH" != 172 ] || [ "$HEIGHT" != 34 ] || fail "the window kept its created size: no tick resized it"

sleep 0.5  # let the repaint reach the X server
import -window root "$shot"
geometry
convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$face"

count() {  # pixels of exactly one colour in the window's area
  convert "$face" -fill white +opaque "$1" -fill black -opaque "$1" -negate -format '%[fx:round(mean*w*h)]' info:
}
navy=$(count '#000080')
silver=$(count '#C0C0C0')
root=$(count "$root_colour")
black=$(count '#000000')
echo "pixels: navy $navy, silver $silver, root colour $root, black $black of $((WIDTH * HEIGHT))"
[ "$navy" -gt 50 ] || fail "no navy text"
[ "$silver" -gt 20 ] || fail "no silver shadow"
[ "$root" -gt $((WIDTH * HEIGHT / 3)) ] || fail "the background does not show the root colour: colour key not working"
[ "$black" = 0 ] || fail "$black pixels of the key colour (black) are visible"

# The window hugs the text: the box of everything that is not background lies
# inside the window and leaves only the shadow's and the window's small margins.
box=$(convert "$face" -fill white +opaque "$root_colour" -fill black -opaque "$root_colour" \
        -bordercolor black -border 1 -format '%@' info:)
[[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fail "cannot find the text in the screenshot ($box)"
bw=${BASH_REMATCH[1]} bh=${BASH_REMATCH[2]} bx=$((BASH_REMATCH[3] - 1)) by=$((BASH_REMATCH[4] - 1))
right=$((WIDTH - bx - bw))
bottom=$((HEIGHT - by - bh))
echo "text box ${bw}x$bh at $bx,$by: margins left $bx, top $by, right $right, bottom $bottom"
[ "$bx" -ge 0 ] && [ "$bx" -le 4 ] || fail "text does not start at the left edge"
[ "$right" -ge 0 ] && [ "$right" -le 12 ] || fail "window width does not follow the text"
[ "$bottom" -ge 0 ] && [ "$bottom" -le 10 ] || fail "window height does not follow the text"

echo "screenshot kept: $shot"
echo "PASS"
