#!/usr/bin/env bash
# quorvel-cli format --batch: WHEN<TAB>FORMAT lines in, one escaped line out each.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/lib/check.sh" "$@"

monday=46363.37855613426
tab=$'\t'
batch() { expect_batch "$1" "$2" format --batch "${@:3}"; }

batch "$monday${tab}hh:mm:ss
2026-12-07T09:05:07.250${tab}ddd, mm/dd/yy
$monday$tab
" "09:05:07
Mon, 12/07/26
12/7/2026 9:05:07 AM
"
# Escapes in, escapes out: tab, line feed, backslash, carriage return, control
# characters and UTF-8 bytes survive the round trip.
batch "$monday${tab}hh'\\t'nn\\nss\\\\\\x41\\x0D\\xE6\\x99\\x82\\x7f
" '09\t05\n07\\A\r時\x7F
'
batch "$monday${tab}'\\x01\\x1b'\\r\\n
" '\x01\x1B\r\n
'
batch "\\x34\\x36363.5${tab}hh
" "12
"
# CR LF line ends, a last line without a line end, no lines at all.
batch "$monday${tab}hh"$'\r\n'"$monday${tab}nn" "09
05
"
batch "" ""
# An empty WHEN is now.
batch "${tab}yyyy
" "$(date +%Y)
"
# The locale applies to every line.
printf '{"dateSeparator": "-"}' >"$scratch/dashes.json"
batch "$monday${tab}mm/dd
$monday${tab}hh:nn
" "12-07
09:05
" --locale "$scratch/dashes.json"

finish
