#!/bin/bash
# The translation template and the PO files, kept up to date with the code.
#
#   scripts/update-po.sh                      po/quorvel.pot from the code, merged into every po/*.po
#   scripts/update-po.sh --template FILE      only the template, written to FILE (the checks compare it)
#
# The template holds every text marked in src/ (Translate, TranslatePlural, N_,
# NW_: core/translation.h) and those of po/unmarked.pot, the texts the program
# shows whose code does not mark them yet; a text marked since leaves that list
# here. Locations name files only, so the template changes with the texts alone.
# msgmerge keeps each language's translations, marks those of changed texts
# fuzzy (the build leaves fuzzy ones out) and adds the new texts untranslated.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

template=po/quorvel.pot
only_template=false
if [ "${1:-}" = --template ]; then
  template=${2:?a file for the template}
  only_template=true
fi
unmarked=po/unmarked.pot
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cat > "$scratch/header.pot" <<'END'
# The texts of Quorvel to translate, made by scripts/update-po.sh from the code
# and po/unmarked.pot; not to be edited.
msgid ""
msgstr ""
"Project-Id-Version: Quorvel\n"
"MIME-Version: 1.0\n"
"Content-Type: text/plain; charset=UTF-8\n"
"Content-Transfer-Encoding: 8bit\n"
END

find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort > "$scratch/files"
xgettext --files-from="$scratch/files" --language=C++ --from-code=UTF-8 \
  --keyword --keyword=N_ --keyword=NW_ --keyword=Translate:1,1t --keyword=Translate:1c,2,2t \
  --keyword=TranslatePlural:1,2,3t --add-location=file --no-wrap --omit-header --output="$scratch/code.pot"
[ -f "$scratch/code.pot" ] || cp "$scratch/header.pot" "$scratch/code.pot"  # nothing marked: nothing written

# The texts of po/unmarked.pot that the code marks now leave it.
if ! $only_template; then
  msgcomm --more-than=1 --no-wrap -o "$scratch/marked.pot" "$scratch/code.pot" "$unmarked"
  if [ -s "$scratch/marked.pot" ]; then
    msgcomm --less-than=2 --no-wrap -o "$scratch/left.pot" "$unmarked" "$scratch/marked.pot"
    if [ -s "$scratch/left.pot" ]; then
      cp "$scratch/left.pot" "$unmarked"
    else
      sed -n '/^msgid ""/,$p' "$scratch/header.pot" > "$unmarked"  # every text is marked
    fi
  fi
fi

msgcat --use-first --no-wrap --sort-by-file -o "$template" "$scratch/header.pot" "$scratch/code.pot" "$unmarked"
$only_template && exit 0

shopt -s nullglob
for po in po/*.po; do
  msgmerge --quiet --update --backup=none --no-wrap --sort-by-file "$po" "$template"
done
echo "Updated $template and the PO files: $(cd po && echo *.po)"
