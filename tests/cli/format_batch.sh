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

# A line that cannot be read gives an empty output line and its message with its
# number; the batch goes on and exits 1 at the end. Output stays aligned with input.
bad() { expect_bad_lines "$1" "$2" "$3" format --batch; }
bad "$monday${tab}hh
soon${tab}ss
$monday${tab}nn
no tab here
0000-01-01${tab}yyyy
1e9${tab}yyyy
-700000${tab}yyyy
$monday${tab}h\\q
$monday${tab}h\\x4
2026-02-29${tab}dd
$monday${tab}ss
" "09

05







07
" "line 2: not a day count or ISO time (2026-12-07T09:05:07.250): 'soon'
line 4: expected WHEN<TAB>FORMAT
line 5: not a valid date and time: '0000-01-01'
line 6: day count outside years 1-9999: '1e9'
line 7: day count outside years 1-9999: '-700000'
line 8: unknown escape \\q
line 9: \\x needs two hexadecimal digits
line 10: not a valid date and time: '2026-02-29'
"
# A bad first line with a CR LF end, and a bad last line without a line end.
bad "bad${tab}hh"$'\r\n'"$monday${tab}hh
$monday${tab}h\\" "
09

" "line 1: not a day count or ISO time (2026-12-07T09:05:07.250): 'bad'
line 3: a backslash ends the text; write \\\\ for a backslash
"

# A line over 64 KiB is a bad line too; the lines around it are formatted.
long=$(head -c 70000 /dev/zero | tr '\0' x)
bad "$monday${tab}hh
$monday${tab}$long
$monday${tab}nn" "09

05
" "line 2: longer than 65536 bytes
"
# An endless line is read to its end without being held: 300 MB through a
# program allowed 200 MB of memory (natively; Wine needs more address space).
if [[ ${cli[0]} != *wine-run.sh ]]; then
  (
    ulimit -v 200000
    head -c 300000000 /dev/zero | tr '\0' x | "${cli[@]}" format --batch >"$scratch/out" 2>"$scratch/err"
    echo $? >"$scratch/rc"
  )
  [ "$(cat "$scratch/rc")" = 1 ] && [ "$(cat "$scratch/err")" = "quorvel-cli: line 1: longer than 65536 bytes" ] ||
    fail "an endless line: rc=$(cat "$scratch/rc") err=$(head -c 300 "$scratch/err")"
fi

finish
