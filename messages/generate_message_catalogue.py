#!/usr/bin/env python3
"""Generates the message catalogue's C++ from messages/message_catalogue.tsv.

Writes, into the output folder:
  message_names.h    the exported names of textcore, one constexpr TMessage each (installed)
  message_table.h    the table's declarations, for textcore's own sources
  message_table.cpp  the built-in texts as UTF-16 literals and the names sorted for look-up
With --filekit-header it also writes the names that filekit exports, as indices into the same
table, so that one translation file covers both libraries. A name that filekit's module shares with
textcore's stays textcore's entry and is brought into namespace filekit by a using-declaration, so
that filekit's module offers every one of its names without a second entry.

Every entry is checked first: a well-formed name used once, known modules, a quoted text that is
not empty, differs from its name and has placeholders that Format can read. Any fault stops the
build with the line number, so a broken catalogue never reaches the library.
"""
import argparse
import pathlib
import re
import sys

# The modules of each library; an entry belongs to the library of its first module.
MODULES = {
    "Generalruntime1const": "textcore",
    "Generalruntime2const": "textcore",
    "Generalruntime3const": "textcore",
    "Colour_consts": "textcore",
    "Wdef_mini": "textcore",
    "Juliandateroutines": "textcore",
    "Myfilestuffconst": "filekit",
}

NAME = re.compile(r"^_[A-Za-z][A-Za-z0-9_]*$")
ESCAPES = {'"': '"', "\\": "\\", "r": "\r", "n": "\n", "t": "\t"}
# One Format specifier after its "%": [index ":"] ["-"] [width] ["." precision] type.
SPEC = re.compile(r"(?:(\d{1,3}):)?-?(\d{1,3}|\*)?(?:\.(\d{0,3}|\*))?([dDuUeEfFgGnNmMpPsSxX])")
KIND = {"d": "i", "u": "i", "x": "i", "e": "f", "f": "f", "g": "f", "n": "f", "m": "f",
        "p": "p", "s": "s"}


class CatalogueError(Exception):
    pass


def unquote(field, line_no):
    if len(field) < 2 or field[0] != '"' or field[-1] != '"':
        raise CatalogueError(f"line {line_no}: the text must be in double quotes")
    out, i, body = [], 0, field[1:-1]
    while i < len(body):
        c = body[i]
        if c == "\\":
            if i + 1 >= len(body) or body[i + 1] not in ESCAPES:
                raise CatalogueError(f"line {line_no}: unknown escape in the text")
            out.append(ESCAPES[body[i + 1]])
            i += 2
            continue
        if c == '"':
            raise CatalogueError(f"line {line_no}: unescaped quote inside the text")
        out.append(c)
        i += 1
    return "".join(out)


def placeholders(text):
    """The kind of each argument the text reads ('s', 'i', 'f', 'p'), or None if malformed."""
    kinds, arg, i = {}, 0, 0
    while True:
        i = text.find("%", i)
        if i < 0:
            return kinds
        if text.startswith("%%", i):
            i += 2
            continue
        m = SPEC.match(text, i + 1)
        if not m:
            return None
        index, width, precision, letter = m.groups()
        if index is not None:
            arg = int(index)
        uses = [(w, "i") for w in (width, precision) if w == "*"]
        uses.append((letter, KIND[letter.lower()]))
        for _, kind in uses:
            if kinds.setdefault(arg, kind) != kind:
                return None
            arg += 1
        i = m.end()


def read_catalogue(path):
    entries, seen = [], {}
    for line_no, line in enumerate(path.read_text(encoding="utf-8").split("\n"), 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 3:
            raise CatalogueError(f"line {line_no}: expected module, name and text, TAB-separated")
        modules, name, quoted = fields[0].split(","), fields[1], fields[2]
        for m in modules:
            if m not in MODULES:
                raise CatalogueError(f"line {line_no}: unknown module {m}")
        if not NAME.match(name):
            raise CatalogueError(f"line {line_no}: {name!r} is not a message name")
        if name in seen:
            raise CatalogueError(f"line {line_no}: {name} already on line {seen[name]}")
        seen[name] = line_no
        text = unquote(quoted, line_no)
        if not text or text == name:
            raise CatalogueError(f"line {line_no}: {name} needs a real text")
        if placeholders(text) is None:
            raise CatalogueError(f"line {line_no}: {name} has a placeholder Format cannot read")
        entries.append((MODULES[modules[0]], name, text, {MODULES[m] for m in modules}))
    if len(entries) >= 65536:
        raise CatalogueError("more entries than a TMessage index can hold")
    return entries


def utf16_literal(text):
    named = {'"': '\\"', "\\": "\\\\", "?": "\\?", "\r": "\\r", "\n": "\\n", "\t": "\\t"}
    out = []
    for c in text:
        code = ord(c)
        if c in named:
            out.append(named[c])
        elif 0x20 <= code < 0x7F:
            out.append(c)
        elif code < 0xA0:
            out.append(f"\\{code:03o}")
        elif code <= 0xFFFF:
            out.append(f"\\u{code:04X}")
        else:
            out.append(f"\\U{code:08X}")
    return 'u"' + "".join(out) + '"'


HEADER_NOTE = "// Generated by messages/generate_message_catalogue.py from messages/message_catalogue.tsv.\n" \
              "// Do not edit: change the catalogue instead.\n"


def names_header(entries, library):
    shared = [name for owner, name, _, libraries in entries
              if owner != library and library in libraries]
    includes = ['#include "messages/message.h"']
    if shared:
        includes.append('#include "messages/message_names.h"')
    lines = [HEADER_NOTE, "#pragma once\n", "\n".join(includes) + "\n",
             f"namespace {library} {{\n"]
    prefix = "" if library == "textcore" else "textcore::"
    for index, (owner, name, _, _) in enumerate(entries):
        if owner == library:
            lines.append(f"inline constexpr {prefix}TMessage {name}{{{index}}};")
    if shared:
        lines.append("\n// Entries of the module that textcore owns: one entry, one text.")
        lines += [f"using textcore::{name};" for name in shared]
    lines.append(f"\n}} // namespace {library}\n")
    return "\n".join(lines)


def table_header(entries):
    return "\n".join([
        HEADER_NOTE,
        "#pragma once\n",
        "#include <cstdint>",
        "#include <string_view>\n",
        "namespace textcore::message_table {\n",
        f"inline constexpr int32_t kCount = {len(entries)};\n",
        "struct NameEntry {",
        "  std::string_view name;",
        "  uint16_t index;",
        "};\n",
        "// The built-in texts and the names, by index.",
        "extern const std::u16string_view kBuiltinTexts[kCount];",
        "extern const std::string_view kNames[kCount];",
        "// The names in byte order, for binary search.",
        "extern const NameEntry kNamesSorted[kCount];\n",
        "} // namespace textcore::message_table\n",
    ])


def table_source(entries):
    lines = [HEADER_NOTE, '#include "messages/message_table.h"\n',
             "namespace textcore::message_table {\n",
             "const std::u16string_view kBuiltinTexts[kCount] = {"]
    lines += [f"    {utf16_literal(text)}," for _, _, text, _ in entries]
    lines += ["};\n", "const std::string_view kNames[kCount] = {"]
    lines += [f'    "{name}",' for _, name, _, _ in entries]
    lines += ["};\n", "const NameEntry kNamesSorted[kCount] = {"]
    order = sorted(range(len(entries)), key=lambda i: entries[i][1].encode("ascii"))
    lines += [f'    {{"{entries[i][1]}", {i}}},' for i in order]
    lines += ["};\n", "} // namespace textcore::message_table\n"]
    return "\n".join(lines)


def write_if_changed(path, text):
    # Unchanged outputs keep their time stamps, so an edit of one text rebuilds only the table.
    if not path.exists() or path.read_text(encoding="utf-8") != text:
        path.write_text(text, encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--catalogue", required=True, type=pathlib.Path)
    parser.add_argument("--out", required=True, type=pathlib.Path)
    parser.add_argument("--filekit-header", type=pathlib.Path)
    args = parser.parse_args()
    try:
        entries = read_catalogue(args.catalogue)
    except CatalogueError as e:
        sys.exit(f"{args.catalogue}: {e}")
    args.out.mkdir(parents=True, exist_ok=True)
    write_if_changed(args.out / "message_names.h", names_header(entries, "textcore"))
    write_if_changed(args.out / "message_table.h", table_header(entries))
    write_if_changed(args.out / "message_table.cpp", table_source(entries))
    if args.filekit_header:
        args.filekit_header.parent.mkdir(parents=True, exist_ok=True)
        write_if_changed(args.filekit_header, names_header(entries, "filekit"))


if __name__ == "__main__":
    main()
