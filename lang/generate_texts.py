#!/usr/bin/env python3
"""Makes of lang/named_texts.tsv the header of text names and the compiled-in text table.

    generate_texts.py TABLE HEADER_OUT SOURCE_OUT

Refuses, naming the line, a row it cannot read, a name or a number used twice, and a text
missing in one of the four languages, so that a mistake stops the build instead of showing
an empty caption.
"""

import re
import sys

LANGUAGE_OFFSETS = {"message": (0, 100, 200, 300), "caption": (1000, 2000, 3000, 4000)}
NAME = re.compile(r"k[A-Z][A-Za-z0-9]*")
NUMBER = re.compile(r"[0-9]+")


class TableError(Exception):
    pass


def read_rows(path):
    """Yields (line number, kind, fields) and ("comment", text) entries in table order."""
    entries = []
    with open(path, encoding="utf-8", newline="\n") as table:
        for line_number, line in enumerate(table, start=1):
            line = line.rstrip("\n")
            if line.startswith("#"):
                entries.append(("comment", line_number, line[1:].strip()))
                continue
            if not line.strip():
                entries.append(("blank", line_number, None))
                continue
            fields = line.split("\t")
            if fields[0] not in LANGUAGE_OFFSETS:
                raise TableError(
                    f"{path}:{line_number}: a row starts with 'message' or 'caption', then "
                    f"the name, the number and the four languages (got {fields[0]!r})")
            entries.append((fields[0], line_number, fields[1:]))
    return entries


def check_row(path, line_number, fields, names):
    where = f"{path}:{line_number}"
    if len(fields) < 2 or not NAME.fullmatch(fields[0]):
        raise TableError(f"{where}: the second column is a name such as kSaveQuestion")
    name = fields[0]
    if name in names:
        raise TableError(f"{where}: {name} is already declared")
    if NUMBER.fullmatch(fields[1]):
        if len(fields) not in (6, 7):
            raise TableError(
                f"{where}: {name} needs its number and four texts (French, English, "
                f"Spanish, German), tab-separated, then an optional note")
    elif len(fields) > 3:
        raise TableError(f"{where}: {name} is computed from other names and has no texts")
    return name


def build(path):
    entries = read_rows(path)
    names = {"message": set(), "caption": set()}
    numbers = {"message": {}, "caption": {}}
    texts = {}
    declarations = {"message": [], "caption": []}
    pending_comments = []
    for kind, line_number, fields in entries:
        if kind == "comment":
            pending_comments.append(f"// {fields}" if fields else "//")
            continue
        if kind == "blank":
            pending_comments = [""]  # a comment not directly above a row is the table's own
            continue
        name = check_row(path, line_number, fields, names[kind])
        names[kind].add(name)
        lines = declarations[kind]
        lines.extend(pending_comments if lines else [c for c in pending_comments if c])
        pending_comments = []
        value = fields[1]
        note = ""
        if NUMBER.fullmatch(value):
            number = int(value)
            if kind == "message" and number >= 100:
                raise TableError(f"{path}:{line_number}: message numbers are below 100")
            if number in numbers[kind]:
                raise TableError(
                    f"{path}:{line_number}: {kind} {number} is already "
                    f"{numbers[kind][number]}")
            numbers[kind][number] = name
            for offset, text in zip(LANGUAGE_OFFSETS[kind], fields[2:6]):
                if kind == "caption" and not text:
                    raise TableError(f"{path}:{line_number}: {name} has an empty caption")
                texts[offset + number] = text
            note = fields[6] if len(fields) == 7 else ""
        else:
            note = fields[2] if len(fields) == 3 else ""
        comment = f"  // {note}" if note else ""
        lines.append(f"inline constexpr int {name} = {value};{comment}")
    return declarations, numbers, texts


def header_text(declarations, numbers):
    out = [
        "#pragma once",
        "// Generated from lang/named_texts.tsv by lang/generate_texts.py; edit the table.",
        "// Messages are fetched with LoadText(n), which adds the current language's offset;",
        "// caption offsets k are read as CaptionBase() + k (or a given base + k when a window",
        "// is relabelled).",
        "",
        "#include <array>",
        "",
        "namespace circumvia::lang {",
    ]
    for kind in ("message", "caption"):
        out += ["", f"namespace {kind} {{"]
        out += declarations[kind]
        out += [
            "",
            "// Every name above that stands for a text, for the check that each exists in all",
            "// four languages.",
            f"inline constexpr std::array<int, {len(numbers[kind])}> kAll = {{",
        ]
        out += [f"    {name}," for name in numbers[kind].values()]
        out += ["};", f"}}  // namespace {kind}"]
    out += ["", "}  // namespace circumvia::lang", ""]
    return "\n".join(out)


def source_text(texts):
    # The same "number<TAB>text" lines TextTable::Parse reads, as one byte array.
    tsv = "".join(f"{number}\t{texts[number]}\n" for number in sorted(texts))
    data = tsv.encode("utf-8")
    signed = [byte - 256 if byte > 127 else byte for byte in data]
    rows = [", ".join(str(byte) for byte in signed[i:i + 20]) for i in range(0, len(signed), 20)]
    body = ",\n".join(f"    {row}" for row in rows)
    return (
        "// Generated from lang/named_texts.tsv by lang/generate_texts.py; edit the table.\n"
        "#include <string_view>\n"
        "namespace circumvia::lang {\n"
        "extern const std::string_view kTextsTsv;\n"
        "namespace {\n"
        f"constexpr char kBytes[] = {{\n{body}, 0}};\n"
        "}\n"
        f"const std::string_view kTextsTsv(kBytes, {len(data)});\n"
        "}  // namespace circumvia::lang\n")


def write_if_changed(path, text):
    try:
        with open(path, encoding="utf-8") as existing:
            if existing.read() == text:
                return
    except FileNotFoundError:
        pass
    with open(path, "w", encoding="utf-8") as out:
        out.write(text)


def main(argv):
    if len(argv) != 4:
        sys.exit(__doc__)
    try:
        declarations, numbers, texts = build(argv[1])
    except TableError as error:
        sys.exit(f"error: {error}")
    write_if_changed(argv[2], header_text(declarations, numbers))
    write_if_changed(argv[3], source_text(texts))


if __name__ == "__main__":
    main(sys.argv)
