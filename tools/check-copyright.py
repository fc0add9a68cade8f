#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks a Debian copyright file in the machine-readable format 1.0 (DEP-5): the header
paragraph names the format, every Files paragraph has Files, Copyright and License, and every
licence a Files paragraph names has its text, in the paragraph itself or in a stand-alone
License paragraph. With --source DIR every Files pattern must also match a file below DIR.

    tools/check-copyright.py packaging/copyright [--source .]

Prints what is wrong, one line each, and exits with status 1; 0 when the file is sound."""

import argparse
import fnmatch
import os
import re
import sys

FORMAT = "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
HEADER_FIELDS = {"Format", "Upstream-Name", "Upstream-Contact", "Source", "Disclaimer",
                 "Comment", "License", "Copyright", "Files-Excluded"}
FILES_FIELDS = {"Files", "Copyright", "License", "Comment"}
LICENSE_FIELDS = {"License", "Comment"}
FIELD = re.compile(r"^([!-9;-~][!-9;-~]*):\s*(.*)$")


def paragraphs(text):
    """The paragraphs as lists of (line number, line), split at blank lines."""
    current = []
    for number, line in enumerate(text.split("\n"), 1):
        if line.strip() == "":
            if current:
                yield current
            current = []
        else:
            current.append((number, line))
    if current:
        yield current


def parse(paragraph, errors):
    """Fields of one paragraph: name -> (line number, first line, continuation lines)."""
    fields = {}
    name = None
    for number, line in paragraph:
        if line[0] in " \t":
            if name is None:
                errors.append(f"line {number}: continuation line before any field")
                continue
            fields[name][2].append(line.strip())
            continue
        match = FIELD.match(line)
        if not match:
            errors.append(f"line {number}: not a field: {line!r}")
            name = None
            continue
        name = match.group(1)
        if name in fields:
            errors.append(f"line {number}: field {name} given twice")
        fields[name] = (number, match.group(2).strip(), [])
    return fields


def check(text, source=None):
    errors = []
    parsed = []
    for paragraph in paragraphs(text):
        parsed.append((paragraph[0][0], parse(paragraph, errors)))
    if not parsed:
        return ["the file is empty"]

    first_line, header = parsed[0]
    if "Format" not in header:
        errors.append(f"line {first_line}: the header paragraph has no Format field")
    elif header["Format"][1] != FORMAT:
        errors.append(f"line {header['Format'][0]}: Format is not {FORMAT}")
    for name in header:
        if name not in HEADER_FIELDS:
            errors.append(f"line {header[name][0]}: unknown header field {name}")

    named = {}        # short name -> line that needs its text
    texts = set()     # short names whose text is given
    files_paragraphs = 0
    for line, fields in parsed[1:]:
        if "Files" in fields:
            files_paragraphs += 1
            allowed = FILES_FIELDS
            for required in ("Copyright", "License"):
                if required not in fields or not fields[required][1]:
                    errors.append(f"line {line}: Files paragraph without {required}")
            patterns = (fields["Files"][1] + " " + " ".join(fields["Files"][2])).split()
            if not patterns:
                errors.append(f"line {line}: Files field is empty")
            if source is not None:
                for pattern in patterns:
                    if not matches_any(pattern, source):
                        errors.append(f"line {line}: no file matches {pattern!r}")
        elif "License" in fields:
            allowed = LICENSE_FIELDS
        else:
            errors.append(f"line {line}: paragraph with neither Files nor License")
            continue
        for name in fields:
            if name not in allowed:
                errors.append(f"line {fields[name][0]}: field {name} does not belong here")
        if "License" in fields:
            number, short, body = fields["License"]
            if not short:
                errors.append(f"line {number}: License has no short name")
                continue
            if body:
                texts.add(short)
            # "A or B" and "A and B" name several licences, each needing its text.
            for name in re.split(r"\s+(?:or|and)\s+", short):
                named.setdefault(name.strip(" ,"), number)
            if "Files" not in fields and not body:
                errors.append(f"line {number}: stand-alone License paragraph without text")
    if files_paragraphs == 0:
        errors.append("no Files paragraph")
    elif parsed[1][1].get("Files", (0, ""))[1].split() != ["*"]:
        errors.append(f"line {parsed[1][0]}: the first Files paragraph is not 'Files: *'")
    for name, number in sorted(named.items(), key=lambda item: item[1]):
        if name not in texts:
            errors.append(f"line {number}: licence {name} has no text")
    return errors


def matches_any(pattern, source):
    for top, _, files in os.walk(source):
        if os.path.basename(top) in (".git",) or "/build" in top:
            continue
        for name in files:
            path = os.path.relpath(os.path.join(top, name), source)
            if fnmatch.fnmatchcase(path, pattern):
                return True
    return False


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("file")
    parser.add_argument("--source", help="folder the Files patterns must match in")
    args = parser.parse_args()
    with open(args.file, encoding="utf-8") as f:
        errors = check(f.read(), args.source)
    for error in errors:
        print(f"{args.file}: {error}")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
