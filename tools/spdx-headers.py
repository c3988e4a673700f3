#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

"""Gives every tracked file that takes comments a two-line SPDX header.

Files that already carry one are left alone, so this can run again after any merge;
files that take no comments (pictures, the font, JSON, the fuzz inputs) are listed in
.reuse/dep5 instead, and `reuse lint` names whatever is still missing.

Usage: tools/spdx-headers.py [--dry-run]
"""

import fnmatch
import subprocess
import sys
from pathlib import Path

HOLDER = "2026 The picturebook developers"

# Last match wins. The stories' files hold both the code that feeds the reader
# (MIT) and the story text itself (CC-BY-4.0), so they carry both.
LICENCES = [
    ("*", "MIT"),
    ("music/*.abc", "CC-BY-4.0"),
    ("resources/*.md", "CC-BY-4.0"),
    ("scenario/*script.cpp", "MIT AND CC-BY-4.0"),
    ("scenario/speakernames.cpp", "MIT AND CC-BY-4.0"),
    ("packaging/*.metainfo.xml", "CC0-1.0"),
]

# (patterns, comment start, comment end, the first line stays on top when it
# starts with this, blank line after the header)
STYLES = [
    (["*.cpp", "*.h", "*.rc"], "// ", "", None, True),
    (["CMakeLists.txt", "*.cmake", "*.sh", "*.py", ".gitignore", ".clang-format",
      "*.desktop", "*.supp", "*.dict"], "# ", "", "#!", True),
    (["*.tsv"], "# ", "", None, False),
    (["*.abc"], "% ", "", "%abc", False),
    (["*.ui", "*.xml"], "<!-- ", " -->", "<?xml", False),
    (["*.md"], "<!-- ", " -->", None, True),
    # scdoc wants its page name on the first line.
    (["*.scd"], "; ", "", "", True),
]
SHELL_STYLE = ("# ", "", "#!", True)

# Spelt in two halves so that REUSE does not take this script's own code for a header.
TAG = "SPDX-" + "License-Identifier:"
COPYRIGHT_TAG = "SPDX-" + "FileCopyrightText:"


def style_of(path, first_line):
    name = path.name
    for patterns, *style in STYLES:
        if any(fnmatch.fnmatchcase(name, p) for p in patterns):
            return style
    if first_line.startswith("#!"):
        return SHELL_STYLE
    return None


def licence_of(path):
    licence = None
    for pattern, identifier in LICENCES:
        if fnmatch.fnmatchcase(path, pattern):
            licence = identifier
    return licence


def add_header(root, relative, dry_run):
    path = root / relative
    try:
        text = path.read_text(encoding="utf-8")
    except (UnicodeDecodeError, IsADirectoryError, FileNotFoundError):
        return False
    lines = text.splitlines(keepends=True)
    if any(TAG in line for line in lines[:8]):
        return False
    style = style_of(path, lines[0] if lines else "")
    if style is None:
        return False
    start, end, keep_first, blank = style
    header = [f"{start}{COPYRIGHT_TAG} {HOLDER}{end}\n",
              f"{start}{TAG} {licence_of(relative)}{end}\n"]
    top = 1 if keep_first is not None and lines and lines[0].startswith(keep_first) else 0
    rest = lines[top:]
    if blank and rest and rest[0].strip():
        header.append("\n")
    if not dry_run:
        path.write_text("".join(lines[:top] + header + rest), encoding="utf-8")
    return True


def main():
    dry_run = "--dry-run" in sys.argv[1:]
    root = Path(__file__).resolve().parent.parent
    tracked = subprocess.run(["git", "ls-files", "-z"], cwd=root, check=True,
                             capture_output=True, text=True).stdout.split("\0")
    for relative in filter(None, tracked):
        if relative.startswith(("LICENSES/", ".reuse/")):
            continue
        if add_header(root, relative, dry_run):
            print(relative)


if __name__ == "__main__":
    main()
