# Common ground of the end-to-end scripts. Source it with `artefacts` and `shot`
# set: it joins the test session's display, makes the artefact folder and gives
# `fail` (a screenshot, the message, exit 1) and `wait_for` (polls for 10 s).
source "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/wine/env.sh"
quorvel_use_session_display
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no test session display"; exit 1; }
mkdir -p "$artefacts"

fail() {
  import -window root "$shot" 2>/dev/null || true
  echo "FAIL: $*"
  echo "screenshot: $shot"
  exit 1
}

wait_for() {
  for _ in $(seq 100); do
    if eval "$1"; then return 0; fi
    sleep 0.1
  done
  return 1
}
