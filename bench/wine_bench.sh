# Sourced by the bench scripts that run the Windows build under Wine: checks
# that Quorvel.exe is built, builds minimal_timer.exe (a bare Win32 window with
# a 250 ms timer) into $work, and starts a Wine session in Xvfb that stops when
# the script exits. Needs root; leaves build, work and exe set (exe may be set before).
build=$root/build/windows
exe=${exe:-$build/Quorvel.exe}
work=$build/bench
[ -x "$exe" ] || { echo "build first: cmake --build --preset windows" >&2; exit 1; }
mkdir -p "$work"
x86_64-w64-mingw32-g++-posix -std=c++20 -Os -s -static -municode -mwindows \
  "$root/bench/minimal_timer.cpp" -o "$work/minimal_timer.exe"

export QUORVEL_WINE_DIR=$build/wine
bash "$root/scripts/wine/session.sh" start "$build/wine_keepalive.exe" >/dev/null
trap 'bash "$root/scripts/wine/session.sh" stop >/dev/null' EXIT
source "$root/scripts/wine/env.sh"
quorvel_use_session_display
