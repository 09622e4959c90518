# Checks for quorvel-cli scripts. Source with the program as arguments (it may sit
# behind an emulator: wine-run.sh quorvel-cli.exe). Each check runs the real
# program; `finish` ends the script with the number of failed checks.
cli=("$@")
failures=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# run ARGS...: stdout in $out (exactly, trailing newlines kept), stderr in $err, exit code in $rc.
run() {
  "${cli[@]}" "$@" <"${stdin_file:-/dev/null}" >"$scratch/out" 2>"$scratch/err"
  rc=$?
  out=$(cat "$scratch/out"; echo .); out=${out%.}
  err=$(cat "$scratch/err"; echo .); err=${err%.}
}

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# expect_out EXPECTED ARGS...: exit code 0, stdout is EXPECTED plus a line end, nothing on stderr.
expect_out() {
  local expected=$1
  shift
  run "$@"
  [ "$rc" = 0 ] && [ "$out" = "$expected"$'\n' ] && [ -z "$err" ] ||
    fail "$(printf '%q ' "$@"): rc=$rc out=$(printf %q "$out") err=$(printf %q "$err"), wanted $(printf %q "$expected")"
}

# expect_batch INPUT EXPECTED ARGS...: as expect_out with INPUT on stdin; EXPECTED is the whole output.
expect_batch() {
  local input=$1 expected=$2
  shift 2
  printf '%s' "$input" >"$scratch/in"
  stdin_file=$scratch/in run "$@"
  [ "$rc" = 0 ] && [ "$out" = "$expected" ] && [ -z "$err" ] ||
    fail "batch $(printf %q "$input"): rc=$rc out=$(printf %q "$out") err=$(printf %q "$err"), wanted $(printf %q "$expected")"
}

# expect_bad_lines INPUT EXPECTED ERRORS ARGS...: exit code 1 after the whole batch,
# stdout is EXPECTED (an empty line for each unreadable line), stderr exactly ERRORS,
# one line each (without the "quorvel-cli: " in front).
expect_bad_lines() {
  local input=$1 expected=$2 errors=$3
  shift 3
  printf '%s' "$input" >"$scratch/in"
  stdin_file=$scratch/in run "$@"
  local wanted_err
  wanted_err=$(printf '%s' "$errors" | sed 's/^/quorvel-cli: /'; echo .); wanted_err=${wanted_err%.}
  [ "$rc" = 1 ] && [ "$out" = "$expected" ] && [ "$err" = "$wanted_err" ] ||
    fail "batch $(printf %q "$input"): rc=$rc out=$(printf %q "$out") err=$(printf %q "$err"), wanted $(printf %q "$expected") and $(printf %q "$wanted_err")"
}

# expect_error PATTERN [--stdin INPUT] ARGS...: exit code 2, nothing on stdout, one line
# on stderr that contains PATTERN.
expect_error() {
  local pattern=$1
  shift
  if [ "${1:-}" = --stdin ]; then
    printf '%s' "$2" >"$scratch/in"
    shift 2
    stdin_file=$scratch/in run "$@"
  else
    run "$@"
  fi
  local lines
  lines=$(printf '%s' "$err" | wc -l)
  [ "$rc" = 2 ] && [ -z "$out" ] && [ "$lines" = 1 ] && [ "${err: -1}" = $'\n' ] && [[ $err == *"$pattern"* ]] ||
    fail "$(printf '%q ' "$@"): rc=$rc out=$(printf %q "$out") err=$(printf %q "$err"), wanted one line with '$pattern'"
}

finish() {
  if [ "$failures" = 0 ]; then
    echo "all checks passed"
    exit 0
  fi
  echo "$failures check(s) failed"
  exit 1
}
