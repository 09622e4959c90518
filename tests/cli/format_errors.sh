#!/usr/bin/env bash
# Bad input: exit code 2, one line on standard error, nothing on standard output.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/lib/check.sh" "$@"

expect_error "no command" 
expect_error "unknown command 'fromat'" fromat hh
expect_error "unknown option '--bogus'" format --bogus hh
expect_error "unknown option '-x'" format -x
expect_error "--at needs a value" format hh --at
expect_error "--locale needs a value" format hh --locale
expect_error "no FORMAT given" format --at 1
expect_error "unexpected 'ss'" format hh ss
expect_error "--at does not go with --batch" format --batch --at 1
expect_error "not 'hh'" format --batch hh

# Moments that are neither a day count nor ISO time, or outside years 1-9999.
for when in "" abc 1.5x 1,5 nan inf 0x10 2026-12-07T 2026-12-7 2026-12-07T9:05 2026-12-07T09:05:07. \
            2026-12-07T09:05:07.2500 "2026-12-07 09:05" 2026-12-07T09:05:07Z; do
  expect_error "not a day count or ISO time" format --at "$when" hh
done
for when in 2026-02-29 2026-13-01 2026-12-07T24:00 2026-12-07T09:60 0000-01-01T00:00; do
  expect_error "not a valid date and time" format --at "$when" hh
done
expect_error "outside years 1-9999" format --at 1e9 hh
expect_error "outside years 1-9999" format --at -700000 hh

# Output that cannot be written (a full disk) is told, never a silent success.
"${cli[@]}" format hh </dev/null >/dev/full 2>"$scratch/err"
rc=$?
[ "$rc" = 1 ] && [ "$(cat "$scratch/err")" = "quorvel-cli: cannot write the output" ] ||
  fail "format to a full disk: rc=$rc err=$(cat "$scratch/err")"

finish
