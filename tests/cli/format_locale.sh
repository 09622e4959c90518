#!/usr/bin/env bash
# quorvel-cli format --locale FILE.json: every key, defaults for missing keys.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/lib/check.sh" "$@"

monday=46363.37855613426
cat >"$scratch/de.json" <<'JSON'
{
  "dateSeparator": ".",
  "timeSeparator": ":",
  "shortDateFormat": "dd.mm.yyyy",
  "longDateFormat": "dddd, d. mmmm yyyy",
  "shortTimeFormat": "hh:mm",
  "longTimeFormat": "hh:mm:ss",
  "amString": "vorm.",
  "pmString": "nachm.",
  "shortMonthNames": ["Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"],
  "longMonthNames": ["Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
                     "Oktober", "November", "Dezember"],
  "shortDayNames": ["So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"],
  "longDayNames": ["Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"],
  "eraName": "n. Chr."
}
JSON
de=$scratch/de.json
expect_out "07.12.2026 09:05:07" format --locale "$de" --at $monday ""
expect_out "Montag, 7. Dezember 2026" format --locale "$de" --at $monday "dddddd"
expect_out "Mo, 02.03.26 | Mär März | vorm. | n. Chr." format --locale "$de" --at 2026-03-02T09:00 "ddd, dd/mm/yy | mmm mmmm | AMPM | g"
expect_out "09:05 | 09:05:07" format --locale "$de" --at $monday "t | tt"

# Missing keys keep the defaults: m/d/yy, mmmm d, yyyy, am/pm, English names.
printf '{}' >"$scratch/empty.json"
expect_out "12/7/26 9:05:07 am" format --locale "$scratch/empty.json" --at $monday ""
expect_out "December 7, 2026 | Mon Monday" format --locale "$scratch/empty.json" --at $monday "dddddd | ddd dddd"
expect_out "" format --locale "$scratch/empty.json" --at $monday "g"

# Zero separators write nothing.
printf '{"dateSeparator": "", "timeSeparator": "\\u0000"}' >"$scratch/zero.json"
expect_out "1207 0905" format --locale "$scratch/zero.json" --at $monday "mm/dd hh:nn"

# Bad locale files.
printf '{"dateSeparator": "/",' >"$scratch/cut.json"
printf '{"dateSeperator": "-"}' >"$scratch/typo.json"
printf '{"shortDayNames": ["So", "Mo"]}' >"$scratch/short.json"
printf '{"amString": 1}' >"$scratch/number.json"
printf '["m/d/yy"]' >"$scratch/list.json"
printf '{"amString": "\xff"}' >"$scratch/bytes.json"
printf '{"amString": "a\n' >"$scratch/newline.json"
expect_error "is not JSON" format --locale "$scratch/cut.json" hh
expect_error "unknown locale key 'dateSeperator'" format --locale "$scratch/typo.json" hh
expect_error "'shortDayNames' must be a list of 7 strings" format --locale "$scratch/short.json" hh
expect_error "'amString' must be a string" format --locale "$scratch/number.json" hh
expect_error "must hold one JSON object" format --locale "$scratch/list.json" hh
expect_error "is not JSON" format --locale "$scratch/bytes.json" hh
expect_error "is not JSON" format --locale "$scratch/newline.json" hh
expect_error "cannot read locale file" format --locale "$scratch/missing.json" hh
expect_error "cannot read locale file" format --locale "$scratch" hh
expect_error "is not JSON" --stdin "1${tab:-	}hh
" format --batch --locale "$scratch/cut.json"

finish
