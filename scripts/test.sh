#!/usr/bin/env bash
# Runs every test: installs what is missing, builds both presets, then one ctest
# run over the native tests (unit tests under ASan+UBSan, command-line tests, short
# fuzz runs) and the Win32 tests under Wine in one Xvfb session.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
quorvel_install_missing

cmake --preset native
cmake --build --preset native
cmake --preset windows
cmake --build --preset windows

# One ctest over both build folders, so the closing summary covers every test.
printf 'subdirs("native" "windows")\n' > build/CTestTestfile.cmake
cd build
rc=0
ctest --output-on-failure -j2 "$@" || rc=$?
# Wine starts that ended before their program ran, and were made again.
if [ -s windows/wine/restarted.log ]; then
  echo "Wine starts made again ($(wc -l <windows/wine/restarted.log)):"
  cat windows/wine/restarted.log
fi
exit "$rc"
