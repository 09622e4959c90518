# Sourced by the Wine scripts: the project's private Wine environment.
# A prefix of its own under build/windows, no Mono/Gecko dialogs, no debugger
# (a crash must exit non-zero, not wait on a dialog), and an ALSA null device.
quorvel_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export QUORVEL_WINE_DIR=${QUORVEL_WINE_DIR:-$quorvel_root/build/windows/wine}
export WINEPREFIX=$QUORVEL_WINE_DIR/prefix
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d'
# Wine's ALSA driver reads ~/.asoundrc from the Unix HOME.
export HOME=$QUORVEL_WINE_DIR/home
# Programs start through wine.sh, which starts again one that Wine ended before it
# ran, and it starts them through loader.sh (Wine's loader without randomization).
QUORVEL_WINE=$quorvel_root/scripts/wine/wine.sh
QUORVEL_WINE_LOADER=${QUORVEL_WINE_LOADER:-$quorvel_root/scripts/wine/loader.sh}
QUORVEL_WINESERVER=/usr/lib/wine/wineserver64
[ -x "$QUORVEL_WINESERVER" ] || QUORVEL_WINESERVER=/usr/lib/wine/wineserver

# The display of a running test session, if any, wins over the caller's.
quorvel_use_session_display() {
  local f=$QUORVEL_WINE_DIR/display pid
  if [ -f "$f" ] && pid=$(cat "$QUORVEL_WINE_DIR/xvfb.pid" 2>/dev/null) && kill -0 "$pid" 2>/dev/null; then
    export DISPLAY=$(cat "$f")
  fi
}

# First use of the prefix: boot it once (guarded, tests may start together),
# unmanaged X11 windows (no 2 s stall per show/hide without a window manager),
# and no crash dialog. A Wine start now and then ends before its program runs, so
# a failed boot is shown, its half-made prefix removed, and the boot tried again.
quorvel_boot_prefix() {
  "$QUORVEL_WINE" wineboot -i </dev/null &&
    "$QUORVEL_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null &&
    "$QUORVEL_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null
}
quorvel_init_prefix() {
  mkdir -p "$HOME" "$WINEPREFIX"
  [ -f "$HOME/.asoundrc" ] || echo 'pcm.!default { type null }' > "$HOME/.asoundrc"
  [ -f "$WINEPREFIX/.quorvel-ready" ] && return 0
  (
    flock 9
    [ -f "$WINEPREFIX/.quorvel-ready" ] && exit 0
    local log=$QUORVEL_WINE_DIR/init.log try rc
    for try in 1 2 3; do
      rc=0
      quorvel_boot_prefix >"$log" 2>&1 || rc=$?
      if [ "$rc" = 0 ]; then
        touch "$WINEPREFIX/.quorvel-ready"
        exit 0
      fi
      echo "Setting up the Wine prefix ended with $rc (try $try of 3); what it printed:" >&2
      tail -n 20 "$log" >&2
      "$QUORVEL_WINESERVER" -k >/dev/null 2>&1 || true
      timeout 20 "$QUORVEL_WINESERVER" -w >/dev/null 2>&1 || true
      rm -rf "$WINEPREFIX"
      mkdir -p "$WINEPREFIX"
    done
    exit 1
  ) 9>"$QUORVEL_WINE_DIR/init.lock"
}

# The program's own registry state in the prefix: its settings key and its
# start-up entry. End-to-end checks start from none and leave none behind, so
# what one run saved never reaches the next.
quorvel_clean_clock_registry() {
  "$QUORVEL_WINE" reg delete 'HKCU\Software\Quorvel1.1' /f </dev/null >/dev/null 2>&1 || true
  "$QUORVEL_WINE" reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Quorvel /f \
    </dev/null >/dev/null 2>&1 || true
}

# The resolution programs start with (LogPixels, read by Wine when a program
# starts); quorvel_restore_dpi puts back what was there before the first change.
quorvel_set_dpi() {  # dpi
  if [ -z "${quorvel_dpi_remembered:-}" ]; then
    quorvel_saved_dpi=$("$QUORVEL_WINE" reg query 'HKCU\Control Panel\Desktop' /v LogPixels </dev/null 2>/dev/null |
      tr -d '\r' | awk '$1 == "LogPixels" {print $3}' || true)
    quorvel_dpi_remembered=1
  fi
  "$QUORVEL_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1
}
quorvel_restore_dpi() {
  [ -n "${quorvel_dpi_remembered:-}" ] || return 0
  if [ -n "${quorvel_saved_dpi:-}" ]; then
    "$QUORVEL_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$((quorvel_saved_dpi))" /f \
      </dev/null >/dev/null 2>&1
  else
    "$QUORVEL_WINE" reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f </dev/null >/dev/null 2>&1 || true
  fi
}
