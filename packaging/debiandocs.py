#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

"""Writes the Debian package's copyright file and changelog.

  debiandocs.py copyright SOURCE_DIR OUTPUT
  debiandocs.py changelog METAINFO VERSION MAINTAINER OUTPUT.gz

The copyright file says what `reuse lint` checks: each file's SPDX header, or the
.reuse/dep5 paragraph that covers it, with the licence texts from LICENSES/. The
changelog is the <releases> list of the AppStream metainfo, so a release is written
down once.
"""

import email.utils
import fnmatch
import gzip
import os
import re
import subprocess
import sys
import textwrap
import xml.etree.ElementTree as ET
from collections import Counter
from datetime import datetime, timezone
from pathlib import Path

# Licences whose text every Debian system has: named there, not repeated.
COMMON_LICENCES = {"CC0-1.0": "CC0-1.0", "GPL-2.0-only": "GPL-2"}

# Spelt in two halves so that REUSE does not take this script's own code for a header.
LICENCE_TAG = "SPDX-" + "License-Identifier:"
COPYRIGHT_TAG = "SPDX-" + "FileCopyrightText:"
COMMENT_END = re.compile(r"\s*(-->|\*/)\s*$")


def fail(message):
    sys.exit(f"debiandocs: {message}")


def replace(output, data):
    # A run that fails half-way leaves no half-written file to be packed.
    temporary = f"{output}.{os.getpid()}"
    Path(temporary).write_bytes(data)
    os.replace(temporary, output)


def paragraphs(text):
    """Splits a control file into paragraphs of {field: [first line, more lines...]}."""
    result = []
    for block in re.split(r"\n\s*\n", text.strip()):
        fields = {}
        name = None
        for line in block.splitlines():
            if line[:1] in (" ", "\t") and name:
                fields[name].append(line.strip())
            else:
                name, _, value = line.partition(":")
                fields[name] = [value.strip()]
        result.append(fields)
    return result


def source_files(root):
    try:
        listed = subprocess.run(["git", "ls-files", "-z"], cwd=root, check=True,
                                capture_output=True, text=True).stdout.split("\0")
        files = [f for f in listed if f and (root / f).is_file()]
    except (OSError, subprocess.CalledProcessError):
        # A released tarball: everything but hidden folders and build trees.
        files = []
        for folder, dirs, names in os.walk(root):
            dirs[:] = [d for d in dirs if not d.startswith((".", "build"))]
            files += [os.path.relpath(os.path.join(folder, n), root) for n in names]
    return sorted(f for f in files if not f.startswith(("LICENSES/", ".reuse/", ".git")))


def header_of(path):
    """The copyright lines and the licence of a file's own SPDX header, if it has one."""
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            head = [next(f, "") for _ in range(8)]
    except OSError:
        return None
    holders, licences = [], []
    for line in head:
        for tag, found in ((COPYRIGHT_TAG, holders), (LICENCE_TAG, licences)):
            if tag in line:
                found.append(COMMENT_END.sub("", line.split(tag, 1)[1]).strip())
    if not licences:
        return None
    expression = " and ".join(licences)
    return tuple(holders), re.sub(r"\b(AND|OR|WITH)\b", lambda m: m.group(1).lower(), expression)


def dep5_match(stanzas, path):
    found = None
    for stanza in stanzas:
        if any(fnmatch.fnmatchcase(path, p) for p in " ".join(stanza["Files"]).split()):
            found = stanza
    return found


def patterns_for(files, group_of, group, folder=""):
    """The shortest list of Files: patterns that matches exactly the files of a group."""
    inside = [f for f in files if f.startswith(folder)]
    if folder and all(group_of[f] == group for f in inside):
        return [folder + "*"]
    result = []
    subfolders = sorted({f[len(folder):].split("/")[0] for f in inside if "/" in f[len(folder):]})
    for f in inside:
        if "/" not in f[len(folder):] and group_of[f] == group:
            result.append(f)
    for sub in subfolders:
        if any(group_of[f] == group for f in inside if f.startswith(folder + sub + "/")):
            result += patterns_for(inside, group_of, group, folder + sub + "/")
    return result


def field(name, lines):
    return "\n".join([f"{name}: {lines[0]}".rstrip()] + [f" {line}" for line in lines[1:]])


def licence_paragraph(root, identifier):
    if identifier in COMMON_LICENCES:
        name = COMMON_LICENCES[identifier]
        return field("License", [identifier, f"On Debian systems, the complete text of this licence is in",
                                 f"/usr/share/common-licenses/{name}."])
    path = root / "LICENSES" / f"{identifier}.txt"
    if not path.is_file():
        fail(f"no text for {identifier} in LICENSES/")
    # The holders are in the Copyright fields; the template's placeholder line is not wanted.
    lines = [l for l in path.read_text(encoding="utf-8").splitlines()
             if not re.fullmatch(r"Copyright \(c\) <year> <copyright holders>", l.strip())]
    while lines and not lines[0].strip():
        lines.pop(0)
    body = []
    for line in lines:
        line = line.rstrip() or "."
        if line != "." or (body and body[-1] != "."):
            body.append(line)
    while body and body[-1] == ".":
        body.pop()
    return field("License", [identifier] + body)


def write_copyright(root, output):
    root = Path(root)
    dep5_path = root / ".reuse" / "dep5"
    header, *stanzas = paragraphs(dep5_path.read_text(encoding="utf-8"))
    files = source_files(root)
    group_of = {}
    unlicensed = []
    used_stanzas = set()
    for f in files:
        own = header_of(root / f)
        if own:
            group_of[f] = (own[0], own[1], ())
            continue
        stanza = dep5_match(stanzas, f)
        if stanza is None:
            unlicensed.append(f)
            continue
        used_stanzas.add(id(stanza))
        group_of[f] = (tuple(stanza["Copyright"]), stanza["License"][0],
                       tuple(stanza.get("Comment", ())))
    if unlicensed:
        fail(f"{len(unlicensed)} files have no licence, e.g. {', '.join(unlicensed[:5])}; "
             "tools/spdx-headers.py gives them a header")

    counts = Counter(group_of.values())
    default = counts.most_common(1)[0][0]
    blocks = ["\n".join(field(k, v) for k, v in header.items())]
    groups = [default] + sorted(g for g in counts if g != default)
    patterns_of = {g: ["*"] if g == default else patterns_for(files, group_of, g) for g in groups}
    # Read back the way Debian's tools do, the last matching paragraph wins.
    for f in files:
        said = [g for g in groups if any(fnmatch.fnmatchcase(f, p) for p in patterns_of[g])][-1]
        if said != group_of[f]:
            fail(f"the copyright file would give {f} the licence {said[1]}, not {group_of[f][1]}")
    for group in groups:
        holders, licence, comment = group
        patterns = patterns_of[group]
        text = [field("Files", patterns),
                field("Copyright", list(holders)), field("License", [licence])]
        if comment:
            text.append(field("Comment", list(comment)))
        blocks.append("\n".join(text))
    # Paragraphs for files made at build time, which no source file stands for.
    for stanza in stanzas:
        if id(stanza) not in used_stanzas:
            blocks.append("\n".join(field(k, v) for k, v in stanza.items()))

    identifiers = set()
    for block in blocks:
        for line in block.splitlines():
            if line.startswith("License: "):
                identifiers.update(re.split(r"\s+(?:and|or|with)\s+|[()]", line[9:]))
    blocks += [licence_paragraph(root, i) for i in sorted(filter(None, identifiers))]
    replace(output, ("\n\n".join(blocks) + "\n").encode("utf-8"))


def write_changelog(metainfo, version, maintainer, output):
    releases = ET.parse(metainfo).getroot().findall("./releases/release")
    if not releases or releases[0].get("version") != version:
        fail(f"the newest release in {metainfo} is not {version}")
    entries = []
    for release in releases:
        items = [" ".join("".join(node.itertext()).split())
                 for node in release.iterfind("./description//*")
                 if node.tag in ("p", "li")]
        if not items:
            fail(f"release {release.get('version')} in {metainfo} has no description")
        when = datetime.strptime(release.get("date"), "%Y-%m-%d").replace(tzinfo=timezone.utc)
        lines = [f"picturebook ({release.get('version')}) unstable; urgency=medium", ""]
        for item in items:
            lines += textwrap.wrap(item, 78, initial_indent="  * ", subsequent_indent="    ")
        lines += ["", f" -- {maintainer}  {email.utils.format_datetime(when)}"]
        entries.append("\n".join(lines) + "\n")
    # No name and no time stamp in the gzip header, so rebuilds give the same bytes.
    replace(output, gzip.compress("\n".join(entries).encode("utf-8"), compresslevel=9, mtime=0))


def main(argv):
    if len(argv) == 3 and argv[0] == "copyright":
        write_copyright(*argv[1:])
    elif len(argv) == 5 and argv[0] == "changelog":
        write_changelog(*argv[1:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
