#!/usr/bin/env python3
"""Compiles gettext PO files into the C++ source of a translation catalogue
(the format of src/core/translation_catalogue.h).

    make_translations.py --name kTranslations --output translations.cpp po/de.po po/fr.po ...

Each file is checked and compiled by msgfmt --check first, so only what gettext
itself would use goes in: translated entries that are not fuzzy. A file's name
gives its language's tag: de.po "de", pt_BR.po "pt-BR". The plural rule of the
file's Plural-Forms header becomes a C++ function (it is a C expression in n).
"""
import argparse
import os
import re
import struct
import subprocess
import sys
import tempfile

NO_TRANSLATION = 0xFFFFFFFF
PLURAL_FORMS = re.compile(r"nplurals\s*=\s*(\d+)\s*;\s*plural\s*=\s*(.+?)\s*;?\s*$")
# What a plural rule may hold: n, numbers, C's arithmetic, comparisons, logic and ?:.
PLURAL_EXPRESSION = re.compile(r"^[n0-9\s()?:<>=!&|%+\-*/]+$")


def compile_po(path):
    """The entries of a PO file as msgfmt compiles them: {key: text}, where a
    key is msgid or "msgctxt\\x04msgid" and a text with plural forms holds them
    separated by zero bytes; and the file's header fields."""
    with tempfile.TemporaryDirectory() as scratch:
        mo = os.path.join(scratch, "out.mo")
        done = subprocess.run(["msgfmt", "--check", "-o", mo, path], capture_output=True, text=True)
        if done.returncode != 0:
            sys.exit(f"{path}: msgfmt --check failed:\n{done.stderr}")
        with open(mo, "rb") as f:
            data = f.read()
    magic, _, count, originals, translations = struct.unpack_from("<5I", data)
    if magic != 0x950412DE:
        sys.exit(f"{path}: msgfmt wrote an unexpected file")

    def string(table, i):
        length, at = struct.unpack_from("<2I", data, table + 8 * i)
        return data[at:at + length]

    entries, header = {}, {}
    for i in range(count):
        key, text = string(originals, i), string(translations, i)
        if key == b"":
            for line in text.decode("utf-8").splitlines():
                name, _, value = line.partition(":")
                header[name.strip()] = value.strip()
            continue
        entries[key.split(b"\0")[0]] = text  # a plural entry is keyed by its singular
    return entries, header


def language_tag(path):
    return os.path.splitext(os.path.basename(path))[0].replace("_", "-")


def plural_rule(path, header):
    found = PLURAL_FORMS.match(header.get("Plural-Forms", "nplurals=2; plural=(n != 1);"))
    if not found or not PLURAL_EXPRESSION.match(found.group(2)):
        sys.exit(f"{path}: a Plural-Forms header this tool cannot use: {header.get('Plural-Forms')!r}")
    return int(found.group(1)), found.group(2)


def c_literal(data):
    """A C++ string literal of UTF-8 bytes, ending in a zero byte: the text as it
    is, but for quotes, backslashes and control characters."""
    out = bytearray()
    for byte in data:
        if byte in (0x22, 0x5C):
            out += b"\\" + bytes([byte])
        elif byte < 0x20 or byte == 0x7F:
            out += f"\\{byte:03o}".encode("ascii")
        else:
            out.append(byte)
    return '"' + out.decode("utf-8") + '\\0"'


def write_catalogue(name, files, output):
    languages = []
    for path in sorted(files, key=language_tag):
        entries, header = compile_po(path)
        forms, rule = plural_rule(path, header)
        languages.append((language_tag(path), forms, rule, entries))
    keys = sorted({key for *_, entries in languages for key in entries})

    block, offsets = [], {}  # each text once, at its offset
    size = 0

    def place(data):
        nonlocal size
        if data not in offsets:
            offsets[data] = size
            block.append(data)
            size += len(data) + 1
        return offsets[data]

    key_offsets = [place(key) for key in keys]
    texts = [[place(entries[key]) if key in entries else NO_TRANSLATION for key in keys]
             for _, _, _, entries in languages]

    lines = [
        "// Made by scripts/make_translations.py from gettext PO files; not to be edited.",
        '#include "core/translation_catalogue.h"',
        "",
        "namespace quorvel {",
        "namespace {",
        "",
        "constexpr char kBlock[] =",
    ]
    lines += [f"    {c_literal(data)}" for data in block] or ['    ""']
    lines[-1] += ";"
    lines += ["", f"constexpr std::uint32_t kKeys[] = {{{', '.join(map(str, key_offsets)) or '0'}}};"]
    for (tag, forms, rule, _), row in zip(languages, texts):
        ident = re.sub(r"[^A-Za-z0-9]", "", tag.title())
        lines += [
            "",
            f"unsigned PluralForm{ident}([[maybe_unused]] unsigned long n) {{ return static_cast<unsigned>({rule}); }}",
            f"constexpr std::uint32_t kTexts{ident}[] = {{{', '.join(map(str, row)) or '0'}}};",
        ]
    if languages:
        lines += ["", "constexpr CatalogueLanguage kLanguages[] = {"]
        for tag, forms, _, _ in languages:
            ident = re.sub(r"[^A-Za-z0-9]", "", tag.title())
            lines.append(f'    {{"{tag}", {forms}, PluralForm{ident}, kTexts{ident}}},')
        lines.append("};")
    spans = f"std::span<const std::uint32_t>(kKeys, {len(keys)}), {'kLanguages' if languages else '{}'}"
    lines += [
        "",
        "}  // namespace",
        "",
        f"extern const Catalogue {name}{{kBlock, {spans}}};",
        "",
        "}  // namespace quorvel",
        "",
    ]
    with open(output, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--name", required=True, help="the C++ name of the catalogue")
    parser.add_argument("--output", required=True)
    parser.add_argument("files", nargs="*", help="PO files, one per language")
    args = parser.parse_args()
    write_catalogue(args.name, args.files, args.output)


if __name__ == "__main__":
    main()
