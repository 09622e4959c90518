#!/usr/bin/env bash
# quorvel-cli format FORMAT: one formatted line for the given moment and locale.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/lib/check.sh" "$@"

monday=46363.37855613426  # Monday 2026-12-07 09:05:07.250
expect_out "09:05:07" format --at $monday "hh:mm:ss"
expect_out "09:05:07" format --at 2026-12-07T09:05:07.250 --locale en-US "hh:mm:ss"
expect_out "12/7/2026 9:05:07 AM" format --at $monday ""
expect_out "12/7/2026" format --at 2026-12-07 ""
expect_out "12/7/2026 9:05:00 AM" format --at 2026-12-07T09:05 ""
expect_out "250" format --at 2026-12-07T09:05:07.25 "zzz"
expect_out "500 07" format --at 2026-12-07T09:05:07.5 "zzz ss"
expect_out "007" format "zzz" --at 2026-12-07T09:05:07.007
# Arguments outside ASCII arrive whole (UTF-16 on Windows) and leave as UTF-8.
expect_out "09時05分" format --at $monday "hh時mm分"
expect_out "Friday 1899-12-29 06:00" format --at -1.25 "dddd yyyy-mm-dd hh:nn"
expect_out "0001-01-01" format --at 0001-01-01T00:00:00.000 "yyyy-mm-dd"
expect_out "-x-" format --at $monday -- "-x-"

# Without --at the moment is now: the year is this year.
expect_out "$(date +%Y)" format "yyyy"

# --locale user is the en-US profile natively and the user's settings on Windows;
# the tests run both under en_US.
expect_out "12/7/2026 9:05:07 AM" format --locale user --at $monday ""

run --help
[ "$rc" = 0 ] && [[ $out == usage:* ]] && [ -z "$err" ] || fail "--help: rc=$rc"

finish
