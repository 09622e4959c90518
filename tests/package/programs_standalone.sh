#!/usr/bin/env bash
# The shipped programs run on a bare Windows: they import only DLLs that every
# Windows has (no C++ or threads runtime beside them), and Quorvel.exe, which
# stays loaded all day, is at most 450 KiB with the translations of every language.
# usage: programs_standalone.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
fail() { echo "FAIL: $*"; exit 1; }

system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|advapi32|winmm|shcore|ole32|msvcrt)\.dll$'
for exe in Quorvel.exe src/cli/quorvel-cli.exe; do
  [ -f "$build/$exe" ] || fail "no $exe in $build"
  imports=$(x86_64-w64-mingw32-objdump -p "$build/$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  [ -n "$imports" ] || fail "$exe: no import table read"
  others=$(grep -Ev "$system_dlls" <<<"$imports" || true)
  [ -z "$others" ] || fail "$exe imports DLLs a bare Windows lacks: $others"
  echo "$exe imports: $(tr '\n' ' ' <<<"$imports")"
done

size=$(stat -c %s "$build/Quorvel.exe")
[ "$size" -le $((450 * 1024)) ] || fail "Quorvel.exe is $size bytes, more than 450 KiB"
echo "Quorvel.exe: $size bytes"
