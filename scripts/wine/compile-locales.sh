#!/usr/bin/env bash
# Compiles glibc locales into a folder for tests that run Wine under another LANG
# (Wine takes the user locale from LANG; a locale glibc cannot load silently gives
# en-US). Point LOCPATH at the folder. Locales already there are kept.
# usage: compile-locales.sh DIR LOCALE... (e.g. de_DE)
set -euo pipefail
dir=$1
shift
mkdir -p "$dir"
for locale in "$@"; do
  [ -f "$dir/$locale.UTF-8/LC_CTYPE" ] && continue
  localedef -i "$locale" -f UTF-8 "$dir/$locale.UTF-8"
  echo "compiled $locale.UTF-8 into $dir"
done
