#!/usr/bin/env bash
# The real Quorvel.exe in other languages and to a screen reader:
# - under a German and a Japanese Windows (LC_ALL), and under an English one
#   with the Language setting "fr", F10 on the clock opens the alarms window
#   titled in German, Japanese and French;
# - a program reading the clock's accessible object (as a screen reader does)
#   gets a clock whose value is the time on the face, while the window's title
#   stays "Quorvel";
# - in German, Japanese and Arabic every window (alarms, editor, settings,
#   calendar, about) is shot into the artefacts as languages_<lang>_<window>.png.
# usage: languages.sh QUORVEL_EXE ARTEFACT_DIR QUORVEL_CLI
set -euo pipefail
exe=$1
artefacts=$2
cli=$3
shot=$artefacts/languages.png
log=$artefacts/languages.log
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/clock.sh"
po=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../po" && pwd)
reader=$(dirname "$exe")/accessible_reader.exe
: >"$log"

# A text in a language, as its PO file translates it.
translated() {  # language english
  sed -n "/^msgid \"$2\"\$/{n;s/^msgstr \"\\(.*\\)\"\$/\\1/p}" "$po/$1.po"
}
set_language() {  # tag, or empty to follow Windows
  "$QUORVEL_WINE" reg add 'HKCU\Software\Quorvel1.1' /v Language /t REG_SZ /d "$1" /f </dev/null >>"$log" 2>&1
}
# A visible window by its exact title, read as UTF-8 (_NET_WM_NAME): titles in
# other scripts do not survive xdotool's matching in every locale.
window_titled() {  # title
  local id
  for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    [ "$(LC_ALL=C.UTF-8 xprop -id "$id" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')" = "$1" ] &&
      { echo "$id"; return 0; }
  done
  return 0
}
snap_window() {  # id file
  local X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root "$shot"
  convert "$shot" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$artefacts/$2"
  echo "screenshot: $artefacts/$2"
}
# Starts the clock under a Windows of the locale, focuses it, and opens the
# alarms window with F10; `alarms` is its id.
start_in() {  # locale po-language
  LC_ALL=$1 "$QUORVEL_WINE" "$exe" </dev/null >>"$log" 2>&1 &
  pid=$!
  wait_for '[ -n "$(text_pixel)" ]' || fail "the clock did not start ticking under $1"
  read -r px py <<<"$(text_pixel)"
  click_to_focus "$px" "$py" "$(clock_window)" || fail "a click on the clock did not give it the focus"
  xdotool key F10
  title=$(translated "$2" "Alarms and reminders")
  [ -n "$title" ] || fail "no $2 title for the alarms window"
  wait_for 'alarms=$(window_titled "$title"); [ -n "$alarms" ]' || fail "F10 did not open the alarms window titled '$title'"
  echo "$1, $2: F10 opened '$title'"
}
# With the alarms window open: the editor (Ctrl+N), then the settings
# (Ctrl+P), calendar (F5) and about (Ctrl+A) windows from the clock.
shoot_every_window() {  # po-language
  local id key title
  sleep 0.5
  snap_window "$alarms" "languages_$1_alarms.png"
  xdotool key ctrl+n
  title=$(translated "$1" "Alarm \/ reminder details")
  wait_for 'id=$(window_titled "$title"); [ -n "$id" ]' || fail "Ctrl+N did not open the editor titled '$title'"
  sleep 0.5
  snap_window "$id" "languages_$1_editor.png"
  xdotool key Escape
  wait_for '[ -z "$(window_titled "$title")" ]' || fail "the editor stayed open"
  xdotool key Escape
  read -r px py <<<"$(text_pixel)"
  click_to_focus "$px" "$py" "$(clock_window)" || fail "a click on the clock did not give it the focus"
  for key in ctrl+p:"Clock Settings":settings F5:Calendar:calendar ctrl+a:About:about; do
    title=$(translated "$1" "$(cut -d: -f2 <<<"$key")")
    xdotool key "${key%%:*}"
    wait_for 'id=$(window_titled "$title"); [ -n "$id" ]' || fail "${key%%:*} did not open '$title'"
    sleep 0.5
    snap_window "$id" "languages_$1_${key##*:}.png"
    read -r px py <<<"$(text_pixel)"
    click_to_focus "$px" "$py" "$(clock_window)" || fail "a click on the clock did not give it the focus"
  done
}

# German and Japanese Windows: the language follows Windows. Each clock starts
# afresh (a stopped one saved no settings beside the alarms it wrote).
for case in de_DE.UTF-8:de ja_JP.UTF-8:ja; do
  quorvel_clean_clock_registry
  start_in "${case%%:*}" "${case##*:}"
  shoot_every_window "${case##*:}"
  stop_clock_if_running
done

# An English Windows with the Language setting "fr".
quorvel_clean_clock_registry
set_language fr
start_in en_US.UTF-8 fr

# A screen reader's view of the running clock, from another program.
read_clock() { "$QUORVEL_WINE" "$reader" TForm1 </dev/null 2>>"$log" | tr -d '\r'; }
wait_for 'seen=$(read_clock); [ -n "$seen" ]' || fail "the reader got no accessible object"
echo "$seen"
grep -qx 'role=61' <<<"$seen" || fail "the clock's role is not ROLE_SYSTEM_CLOCK (61)"
grep -qx 'name=Quorvel' <<<"$seen" || fail "the clock's accessible name is not Quorvel"
grep -qx 'title=Quorvel' <<<"$seen" || fail "the window's title is not Quorvel"
grep -qE '^value=[0-9]{2}:[0-9]{2}:[0-9]{2}$' <<<"$seen" || fail "the clock's value is not the time it shows"
stop_clock_if_running

# Arabic: mirrored windows, the face as it is.
quorvel_clean_clock_registry
set_language ar
start_in en_US.UTF-8 ar
shoot_every_window ar
stop_clock_if_running
echo "PASS"
