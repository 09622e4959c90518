#!/usr/bin/env bash
# scripts/wine/wine.sh against a stand-in for Wine's loader: a start that ended
# silently with 1 is made once more, and one that ran (it wrote, marked its start,
# ended by a signal or with another code) never is, so its output is never doubled.
set -u
wine=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/wine/wine.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QUORVEL_WINE_DIR=$work QUORVEL_WINE_LOADER=$work/loader
starts() { cat "$work/starts"; }
# The stand-in counts its starts; its argument says what each does.
cat >"$QUORVEL_WINE_LOADER" <<'LOADER'
#!/usr/bin/env bash
n=$(($(cat "$QUORVEL_WINE_DIR/starts" 2>/dev/null || echo 0) + 1))
echo "$n" >"$QUORVEL_WINE_DIR/starts"
case $1 in
  silent-first) [ "$n" = 1 ] && exit 1; cat; echo "ran $n" ;;
  silent) exit 1 ;;
  says-why) echo "no such key" >&2; exit 1 ;;
  writes) echo "partial"; exit 1 ;;
  marks) touch "${QUORVEL_STARTED_MARK#Z:}"; exit 1 ;;
  other-code) exit 3 ;;
  sleeps) echo $$ >"$QUORVEL_WINE_DIR/pid"; exec sleep 30 ;;
esac
LOADER
chmod +x "$QUORVEL_WINE_LOADER"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# behaviour | where the output goes | starts | exit code | standard output
while IFS='|' read -r behaviour target want_starts want_rc want_out; do
  rm -f "$work/starts"
  case $target in
    pipe) out=$(echo input | "$wine" "$behaviour" 2>/dev/null); rc=$? ;;
    file) echo input | "$wine" "$behaviour" >"$work/out" 2>"$work/err"; rc=$?; out=$(cat "$work/out") ;;
    null) echo input | "$wine" "$behaviour" >/dev/null 2>&1; rc=$?; out= ;;
  esac
  got="$(starts)|$rc|${out//$'\n'/ }"
  [ "$got" = "$want_starts|$want_rc|$want_out" ] || fail "$behaviour to $target: got $got"
done <<'CASES'
silent-first|pipe|2|0|input ran 2
silent-first|file|2|0|input ran 2
silent|null|2|1|
says-why|null|1|1|
says-why|file|1|1|
writes|pipe|1|1|partial
writes|file|1|1|partial
marks|null|1|1|
other-code|null|1|3|
CASES
[ "$(grep -c "ended with 1 before it ran" "$work/restarted.log")" = 3 ] || fail "restarted.log: $(cat "$work/restarted.log")"

# kill on the script's pid ends the program, which is then not started again.
rm -f "$work/starts" "$work/pid"
"$wine" sleeps </dev/null >/dev/null 2>&1 &
wrapper=$!
for _ in $(seq 50); do [ -s "$work/pid" ] && break; sleep 0.1; done
kill "$wrapper"
wait "$wrapper"
rc=$?
sleep 0.2
! kill -0 "$(cat "$work/pid")" 2>/dev/null && [ "$rc" -gt 128 ] && [ "$(starts)" = 1 ] || fail "kill: rc=$rc"

[ "$failures" = 0 ] && echo "all checks passed"
exit "$((failures > 0))"
