#!/usr/bin/env python3
"""Checks the translations of po/ against the code and within each language.

    check_translations.py REPO

- msgfmt --check passes every PO file without a word;
- the template is the one scripts/update-po.sh makes from the code now (the same
  texts), and every PO file has exactly the template's texts;
- each translation keeps the English's placeholders ({0}, {1} ...; a plural form
  that the language's rule gives to one count alone may leave the number out),
  its access key (an "&" before a letter, "&&" being a plain "&": one in the
  English, one in the translation; none, none) and the name "Quorvel";
- in every language, the access keys of the texts used in one source file are
  unique: a window's or a menu's texts are marked in the file that lays it out,
  so each file is one window or menu (or more than one, checked as one).

Prints the number of texts each language translates.
"""
import ast
import gettext
import os
import re
import subprocess
import sys
import tempfile
from collections import namedtuple

Entry = namedtuple("Entry", "context msgid plural texts fuzzy files")
PLACEHOLDER = re.compile(r"\{\d\}")


def parse_po(path):
    """The live entries of a PO file (one per paragraph), the header first."""
    entries = []
    with open(path, encoding="utf-8") as f:
        paragraphs = f.read().split("\n\n")
    for paragraph in paragraphs:
        fields, last = {"flags": set(), "files": []}, None
        for line in paragraph.strip().splitlines():
            if line.startswith("#:"):
                fields["files"] += [re.sub(r":\d+$", "", ref) for ref in line[2:].split()]
            elif line.startswith("#,"):
                fields["flags"] |= {flag.strip() for flag in line[2:].split(",")}
            elif line.startswith('"'):
                fields[last] += ast.literal_eval(line)
            elif line and not line.startswith("#"):
                last, _, value = line.partition(" ")
                fields[last] = ast.literal_eval(value)
        if "msgid" in fields:
            texts = [fields[k] for k in sorted(k for k in fields if k.startswith("msgstr"))]
            entries.append(Entry(fields.get("msgctxt"), fields["msgid"], fields.get("msgid_plural"), texts,
                                 "fuzzy" in fields["flags"], fields["files"]))
    return entries


def key(entry):
    return (entry.context, entry.msgid, entry.plural)


def access_keys(text):
    return [k.casefold() for k in re.findall(r"&(.)", text.replace("&&", ""))]


def single_count_forms(header):
    """The plural forms that the language's rule gives to one count alone."""
    rule = re.search(r"plural\s*=\s*([^;]+)", header)
    if not rule:
        return set()
    form_of = gettext.c2py(rule.group(1).strip())
    counts = {}
    for n in range(1000):
        counts.setdefault(form_of(n), []).append(n)
    return {form for form, ns in counts.items() if len(ns) == 1}


def check_language(name, entries, template_files, errors):
    header = entries[0].texts[0]
    alone = single_count_forms(header)
    translated = 0
    shown_keys = {}  # file -> {access key: msgids}
    for e in entries[1:]:
        usable = not e.fuzzy and all(e.texts)
        translated += usable
        english = [e.msgid] + ([e.plural] if e.plural else [])
        shown = e.texts if usable else english
        where = f"{name}: {e.msgid!r}"
        wanted = set(PLACEHOLDER.findall(" ".join(english)))
        for form, text in enumerate(shown):
            found = set(PLACEHOLDER.findall(text))
            if found != wanted and not (e.plural and form in alone and found < wanted):
                errors.append(f"{where}: placeholders {sorted(found)} where the English has {sorted(wanted)}")
            if len(access_keys(text)) != len(access_keys(e.msgid)) or len(access_keys(text)) > 1:
                errors.append(f"{where}: access keys {access_keys(text)} in {text!r}, "
                              f"the English has {access_keys(e.msgid)}")
            if "Quorvel" in e.msgid and "Quorvel" not in text:
                errors.append(f"{where}: the name Quorvel is missing in {text!r}")
        for file in template_files.get(key(e), []):
            for k in access_keys(shown[0])[:1]:
                shown_keys.setdefault(file, {}).setdefault(k, []).append(shown[0])
    for file, keys in shown_keys.items():
        for k, texts in keys.items():
            if len(texts) > 1:
                errors.append(f"{name}: {file}: access key '{k}' in {texts}")
    return translated


def main(repo):
    po_dir = os.path.join(repo, "po")
    errors = []
    with tempfile.TemporaryDirectory() as scratch:
        fresh = os.path.join(scratch, "quorvel.pot")
        subprocess.run(["bash", os.path.join(repo, "scripts", "update-po.sh"), "--template", fresh], check=True)
        template = parse_po(os.path.join(po_dir, "quorvel.pot"))
        made = {key(e) for e in parse_po(fresh)[1:]}
    texts = {key(e) for e in template[1:]}
    for k in sorted(made - texts, key=str):
        errors.append(f"po/quorvel.pot lacks {k[1]!r}, marked in the code: run scripts/update-po.sh")
    for k in sorted(texts - made, key=str):
        errors.append(f"po/quorvel.pot has {k[1]!r}, which the code no longer marks: run scripts/update-po.sh")
    # The clock window's title finds the running clock: the name alone is never translated.
    if any(e.msgid == "Quorvel" for e in template[1:]):
        errors.append("po/quorvel.pot has the name Quorvel alone as a text to translate")
    files = {key(e): e.files for e in template[1:]}
    # English against itself: its access keys too are unique in each file.
    check_language("en", template, files, errors)

    for po in sorted(f for f in os.listdir(po_dir) if f.endswith(".po")):
        path = os.path.join(po_dir, po)
        done = subprocess.run(["msgfmt", "--check", "-o", os.devnull, path], capture_output=True, text=True)
        if done.returncode != 0 or done.stderr:
            errors.append(f"{po}: msgfmt --check: {done.stderr.strip()}")
        entries = parse_po(path)
        have = {key(e) for e in entries[1:]}
        if have != texts:
            errors.append(f"{po}: not merged with the template (scripts/update-po.sh): "
                          f"{len(texts - have)} texts missing, {len(have - texts)} not in it")
        translated = check_language(po[:-3], entries, files, errors)
        print(f"{po[:-3]}: {translated} of {len(texts)} texts translated")
    for error in errors:
        print(error, file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
