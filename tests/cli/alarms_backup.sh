#!/usr/bin/env bash
# quorvel-cli alarms decode|encode: exact bytes both ways, damaged input, JSON errors.
# usage: alarms_backup.sh [EMULATOR] PATH_TO_quorvel-cli
set -uo pipefail
cli=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The stored value of one alarm "Tea", due 1 March 2024 08:30, daily, enabled.
printf '\x02\x01\x06\x03Tea\x06\x12C:\\Sounds\\bell.wav\x06\x0cTea is ready\x05\x00\xa8\xaa\xaa\xaa\x5a\x28\xb1\x0e\x40\x02\x06\x09\x06\x00' >"$work/tea.bin"

# decode prints every field; DateTime reads back to the same double.
"${cli[@]}" alarms decode "$work/tea.bin" >"$work/tea.json" 2>"$work/err" || fail "decode of a sound value failed"
cat >"$work/want.json" <<'JSON'
[
  {
    "Name": "Tea",
    "Sound": "C:\\Sounds\\bell.wav",
    "Reminder": "Tea is ready",
    "DateTime": 45352.354166666664,
    "When": "2024-03-01T08:30:00.000",
    "Repeat": 6,
    "Enabled": true
  }
]
JSON
diff -u "$work/want.json" "$work/tea.json" || fail "decode output"
[ -s "$work/err" ] && fail "decode wrote to standard error: $(cat "$work/err")"

# encode gives the exact bytes back, from a file and from standard input.
"${cli[@]}" alarms encode "$work/tea.json" | cmp -s - "$work/tea.bin" || fail "encode FILE is not byte-exact"
"${cli[@]}" alarms decode - <"$work/tea.bin" | "${cli[@]}" alarms encode - | cmp -s - "$work/tea.bin" || fail "pipe round trip"

# Awkward values survive JSON -> bytes -> JSON -> bytes unchanged.
cat >"$work/odd.json" <<'JSON'
[
  {"Name": "Café ☕", "Sound": "", "Reminder": "line 1\r\nline 2 \"quoted\"", "DateTime": 0.1, "Repeat": 200, "Enabled": false},
  {"Name": "", "DateTime": 5e-324, "Repeat": 0, "Enabled": true},
  {"Name": "n", "DateTime": -1.25, "Repeat": 9, "Enabled": true},
  {"Name": "n", "DateTime": 2958465.9999999995, "Repeat": 1, "Enabled": true},
  {"Name": "nan", "DateTime": "NaN", "Repeat": 2, "Enabled": true},
  {"Name": "inf", "DateTime": "-Infinity", "Repeat": 2, "Enabled": true}
]
JSON
"${cli[@]}" alarms encode "$work/odd.json" >"$work/odd.bin" || fail "encode of awkward values"
"${cli[@]}" alarms decode "$work/odd.bin" >"$work/odd2.json" || fail "decode of awkward values"
"${cli[@]}" alarms encode "$work/odd2.json" | cmp -s - "$work/odd.bin" || fail "awkward values do not round-trip"
for v in '"DateTime": 0.1,' '"DateTime": 5e-324,' '"DateTime": -1.25,' '"DateTime": 2958465.9999999995,' \
         '"DateTime": "NaN",' '"DateTime": "-Infinity",' '"Name": "Café ☕",' '"Repeat": 200,' \
         '"When": "1899-12-29T06:00:00.000",' '"When": null,'; do
  grep -qF -- "$v" "$work/odd2.json" || fail "decoded JSON lacks $v"
done
# Non-ASCII text is stored as a UTF-8 string: 14, length 9, the bytes.
head -c 16 "$work/odd.bin" | od -An -tx1 | tr -d ' \n' | grep -q '^02061409000000436166c3a920e29895' ||
  fail "Café ☕ is not a UTF-8 string: $(head -c 16 "$work/odd.bin" | od -An -tx1)"

# When counts only without DateTime.
echo '[{"Name":"w","When":"2024-03-01T08:30:00.000"},{"Name":"d","DateTime":1.5,"When":"2024-03-01T08:30"}]' |
  "${cli[@]}" alarms encode | "${cli[@]}" alarms decode >"$work/when.json" || fail "encode with When"
grep -qF '"DateTime": 45352.354166666664,' "$work/when.json" || fail "When was not used"
grep -qF '"DateTime": 1.5,' "$work/when.json" || fail "When overrode DateTime"

# Damaged bytes: what was read is printed, the message goes to standard error, exit 1.
head -c 30 "$work/tea.bin" >"$work/cut.bin"
"${cli[@]}" alarms decode "$work/cut.bin" >"$work/cut.json" 2>"$work/err"
[ $? -eq 1 ] || fail "a cut value does not exit 1"
grep -qF 'Stream read error' "$work/err" || fail "no Stream read error on standard error"
grep -qF '"Sound": "C:\\Sounds\\bell.wav",' "$work/cut.json" || fail "the fields read before the cut are not printed"
grep -qF '"Reminder": "",' "$work/cut.json" || fail "the field cut off is not at its new-alarm value"
printf '\x02\x01\x06\x00\x06\x00\x06\x00\x06\x00' | "${cli[@]}" alarms decode >"$work/bad.json" 2>"$work/err"
[ $? -eq 1 ] || fail "a date-time with a string tag does not exit 1"
grep -qF 'Invalid property value' "$work/err" || fail "no Invalid property value"
: | "${cli[@]}" alarms decode >"$work/empty.json" 2>"$work/err"
[ $? -eq 1 ] && [ "$(cat "$work/empty.json")" = "[]" ] || fail "zero bytes: want [] and exit 1"

# A folder or a missing file as input: one line, exit 2, no crash.
for cmd in decode encode; do
  "${cli[@]}" alarms $cmd "$work" >"$work/out" 2>"$work/err"
  [ $? -eq 2 ] && grep -q "is a folder" "$work/err" && [ ! -s "$work/out" ] || fail "$cmd of a folder: $(cat "$work/err")"
  "${cli[@]}" alarms $cmd "$work/missing" >"$work/out" 2>"$work/err"
  [ $? -eq 2 ] && grep -q "cannot open" "$work/err" || fail "$cmd of a missing file: $(cat "$work/err")"
done

# Whatever the clock stores, the tool reads back: a list of 40,000 alarms (over
# 1 MB of bytes) goes from JSON to bytes and back unchanged.
awk 'BEGIN { printf "["; for (i = 0; i < 40000; i++) printf "%s{\"Name\": \"Alarm %d\", \"Reminder\": \"Stand up and stretch\", \"DateTime\": %d.25}", (i ? "," : ""), i, 46000 + i; print "]" }' >"$work/many.json"
"${cli[@]}" alarms encode "$work/many.json" >"$work/many.bin" &&
  "${cli[@]}" alarms decode "$work/many.bin" >"$work/many2.json" &&
  "${cli[@]}" alarms encode "$work/many2.json" >"$work/many2.bin" && cmp -s "$work/many.bin" "$work/many2.bin" &&
  [ "$(wc -c <"$work/many.bin")" -gt 1048576 ] || fail "a list of 40,000 alarms does not go both ways"

# Input over the bound (8 MiB of stored bytes, the most the clock stores) is
# refused without reading it all: an endless stream ends with exit 2 and one
# line, not with memory running out. Exactly 8 MiB is still read (and, being no
# alarm list, reported as damaged).
check_too_large() {
  local what=$1
  shift
  "$@" >"$work/out" 2>"$work/err"
  local rc=$?
  [ $rc -eq 2 ] && grep -q "holds more than 8388608 bytes" "$work/err" && [ "$(wc -l <"$work/err")" -eq 1 ] &&
    [ ! -s "$work/out" ] || fail "$what: rc=$rc err=$(head -c 300 "$work/err")"
}
check_too_large "decode of /dev/zero" timeout 60 "${cli[@]}" alarms decode /dev/zero
check_too_large "decode of an endless standard input" timeout 60 "${cli[@]}" alarms decode - </dev/zero
head -c 8388609 /dev/zero >"$work/big.bin"
check_too_large "decode of 8 MiB and a byte" "${cli[@]}" alarms decode "$work/big.bin"
head -c 8388608 /dev/zero | "${cli[@]}" alarms decode >/dev/null 2>"$work/err"
[ $? -eq 1 ] || fail "8 MiB of zeros is not read as a (damaged) value: $(cat "$work/err")"
timeout 60 "${cli[@]}" alarms encode - </dev/zero >"$work/out" 2>"$work/err"
[ $? -eq 2 ] && grep -q "holds more than" "$work/err" || fail "encode of an endless stream: $(head -c 300 "$work/err")"
# JSON within its bound whose bytes would be more than the clock stores.
awk 'BEGIN { printf "[{\"Reminder\": \""; for (i = 0; i < 8500; i++) printf "%01024d", 0; print "\"}]" }' >"$work/huge.json"
"${cli[@]}" alarms encode "$work/huge.json" >"$work/out" 2>"$work/err"
[ $? -eq 2 ] && grep -q "more than the 8388608 Quorvel stores" "$work/err" && [ ! -s "$work/out" ] ||
  fail "encode of bytes over the bound: $(head -c 300 "$work/err")"

# JSON errors: exit 2, one line, nothing on standard output.
check_json_error() {
  printf '%s' "$1" | "${cli[@]}" alarms encode >"$work/out" 2>"$work/err"
  local rc=$?
  [ $rc -eq 2 ] || fail "JSON '$1' exits $rc, not 2"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "JSON '$1': message is not one line: $(cat "$work/err")"
  [ -s "$work/out" ] && fail "JSON '$1' wrote bytes"
}
check_json_error '[{"Name": "x"'
check_json_error '{"Name": "x"}'
check_json_error '[{"Repeat": 256}]'
check_json_error '[{"Repeat": 1.5}]'
check_json_error '[{"Enabled": 1}]'
check_json_error '[{"Name": 7}]'
check_json_error '[{"DateTime": "soon"}]'
check_json_error '[{"When": "2026-02-29T10:00"}]'
check_json_error '[{"Nmae": "typo"}]'

# Usage errors.
"${cli[@]}" alarms >/dev/null 2>&1; [ $? -eq 2 ] || fail "no subcommand does not exit 2"
"${cli[@]}" alarms decode "$work/missing.bin" >/dev/null 2>&1; [ $? -eq 2 ] || fail "missing file does not exit 2"

[ $failures -eq 0 ] && echo "alarms backup: all checks passed"
exit $((failures > 0))
