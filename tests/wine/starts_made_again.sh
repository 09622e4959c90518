#!/usr/bin/env bash
# scripts/wine/wine.sh against a stand-in for Wine's loader: a start that ended
# silently with 1 is made once more, and one that ran (it wrote, marked its start,
# ended by a signal or with another code) never is, so its output is never doubled.
set -u
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QUORVEL_WINE_DIR=$work/wine QUORVEL_WINE_LOADER=$work/loader
mkdir -p "$QUORVEL_WINE_DIR"
# The stand-in counts its starts; BEHAVIOUR says what each does.
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
esac
LOADER
chmod +x "$QUORVEL_WINE_LOADER"
failures=0

# behaviour | where the output goes | starts | exit code | standard output
while IFS='|' read -r behaviour target starts code expected; do
  rm -f "$QUORVEL_WINE_DIR/starts"
  case $target in
    pipe) out=$(echo input | "$root/scripts/wine/wine.sh" "$behaviour" 2>/dev/null); rc=$? ;;
    file) echo input | "$root/scripts/wine/wine.sh" "$behaviour" >"$work/out" 2>"$work/err"; rc=$?
          out=$(cat "$work/out") ;;
    null) echo input | "$root/scripts/wine/wine.sh" "$behaviour" >/dev/null 2>&1; rc=$?; out= ;;
  esac
  got="$(cat "$QUORVEL_WINE_DIR/starts")|$rc|${out//$'\n'/ }"
  [ "$got" = "$starts|$code|$expected" ] || { echo "FAIL: $behaviour to $target: got $got"; failures=$((failures + 1)); }
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
grep -c "ended with 1 before it ran" "$QUORVEL_WINE_DIR/restarted.log" | grep -qx 3 ||
  { echo "FAIL: restarted.log: $(cat "$QUORVEL_WINE_DIR/restarted.log")"; failures=$((failures + 1)); }

# kill on the script's pid ends the program, and a program ended so is not started again.
rm -f "$QUORVEL_WINE_DIR/starts"
cat >"$work/sleeper" <<'SLEEPER'
#!/usr/bin/env bash
echo 1 >"$QUORVEL_WINE_DIR/starts"; echo "$$" >"$QUORVEL_WINE_DIR/sleeper.pid"; exec sleep 30
SLEEPER
chmod +x "$work/sleeper"
QUORVEL_WINE_LOADER=$work/sleeper "$root/scripts/wine/wine.sh" </dev/null >/dev/null 2>&1 &
wrapper=$!
for _ in $(seq 50); do [ -s "$QUORVEL_WINE_DIR/sleeper.pid" ] && break; sleep 0.1; done
kill "$wrapper"
wait "$wrapper"
rc=$?
sleep 0.2
! kill -0 "$(cat "$QUORVEL_WINE_DIR/sleeper.pid")" 2>/dev/null && [ "$rc" -gt 128 ] &&
  [ "$(cat "$QUORVEL_WINE_DIR/starts")" = 1 ] || { echo "FAIL: kill: rc=$rc"; failures=$((failures + 1)); }

[ "$failures" = 0 ] && echo "all checks passed"
exit "$((failures > 0))"
