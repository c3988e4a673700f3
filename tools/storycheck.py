#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

"""Checks the three story scripts against the record table before anything is compiled.

Each scenario/<story>script.cpp holds one loadScript() made of setRecord() calls. This reads the
calls back, encodes every line as the compiler will (CP932) and compares each record with its row
in tests/scenario/storytable.tsv: the four integer fields, speech or narration, characters, bytes
and line feeds. It also rejects what would break on the way to the screen: characters that CP932
converters disagree about, carriage returns, empty or repeated lines, and closing lines that differ.

    tools/storycheck.py           check, print one line per fault, exit 1 if any
    tools/storycheck.py --show    also print each story as a reader sees it
"""

import argparse
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
STORIES = ("tovane", "ruvello", "sorinda")

# Characters whose CP932 byte mapping differs between converters (Microsoft's table against
# JIS-based ones), so a line holding one might not come back as the same bytes everywhere.
AMBIGUOUS = set("\u301c\uff5e\u2212\uff0d\u2016\u2225\u00a2\uffe0\u00a3\uffe1\u00ac\uffe2"
                "\u2014\u2015\u00a6\uffe4")

CALL = re.compile(
    r'setRecord\(\s*(\d+)\s*,\s*(-?\d+)\s*,\s*(-?\d+)\s*,\s*(-?\d+)\s*,\s*(-?\d+)\s*,\s*'
    r'QString::fromLatin1\(((?:\s*"(?:[^"\\\n]|\\.)*")+)\s*\)\s*\)\s*;')
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
ESCAPES = {"n": "\n", "\\": "\\", '"': '"'}


def unescape(body, faults, where):
    out, i = [], 0
    while i < len(body):
        c = body[i]
        if c == "\\":
            e = body[i + 1]
            if e not in ESCAPES:
                faults.append(f"{where}: escape \\{e} is not allowed in a story line")
            out.append(ESCAPES.get(e, ""))
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def read_table():
    table = {s: [] for s in STORIES}
    path = ROOT / "tests" / "scenario" / "storytable.tsv"
    for line in path.read_text(encoding="utf-8").splitlines():
        if not line or line.startswith("#"):
            continue
        story, *fields = line.split("\t")
        ints = [int(f) for f in fields[:5]]
        table[story].append(dict(index=ints[0], ints=ints[1:], role=fields[5],
                                 chars=int(fields[6]), bytes=int(fields[7]), lf=int(fields[8])))
    return table


def read_script(story, faults):
    path = ROOT / "scenario" / f"{story}script.cpp"
    source = path.read_text(encoding="utf-8")
    if source.count("setRecord(") != len(CALL.findall(source)):
        faults.append(f"{path.name}: a setRecord call is not in the expected form")
    records = []
    for m in CALL.finditer(source):
        where = f"{story} {m.group(1)}"
        text = "".join(unescape(b, faults, where) for b in LITERAL.findall(m.group(6)))
        records.append(dict(index=int(m.group(1)), ints=[int(m.group(k)) for k in range(2, 6)],
                            text=text))
    return records


def check_story(story, rows, records, faults):
    if [r["index"] for r in records] != list(range(len(records))):
        faults.append(f"{story}: records are not written once each in ascending order from 0")
    if len(records) != len(rows):
        faults.append(f"{story}: {len(records)} records written, {len(rows)} expected")
    seen = {}
    for row, rec in zip(rows, records):
        where = f"{story} {row['index']}"
        text = rec["text"]
        if rec["ints"] != row["ints"]:
            faults.append(f"{where}: fields {rec['ints']}, expected {row['ints']}")
        bad = sorted({hex(ord(c)) for c in text if c in AMBIGUOUS})
        if bad:
            faults.append(f"{where}: ambiguous CP932 characters {bad}")
        try:
            data = text.encode("cp932")
        except UnicodeEncodeError as e:
            faults.append(f"{where}: not encodable in CP932: {e}")
            continue
        if data.decode("cp932") != text:
            faults.append(f"{where}: does not survive the CP932 round trip")
        if not text or "\r" in text or "\0" in text:
            faults.append(f"{where}: empty, or holds a carriage return or NUL")
        if text in seen:
            faults.append(f"{where}: same line as record {seen[text]}")
        seen[text] = row["index"]
        role = "speech" if text[:1] in ("「", "『") else "narration"
        got = dict(role=role, chars=len(text), bytes=len(data), lf=text.count("\n"))
        diffs = [f"{k} {got[k]} (want {row[k]})" for k in got if got[k] != row[k]]
        if diffs:
            singles = 2 * len(text) - len(data) - text.count("\n")
            want = 2 * row["chars"] - row["bytes"] - row["lf"]
            faults.append(f"{where}: " + ", ".join(diffs)
                          + f"; single-byte besides line feeds {singles} (want {want})"
                          + f"  | {text!r}")
    return records[-1]["text"] if records else None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--show", action="store_true", help="print the stories")
    args = parser.parse_args()

    faults = []
    table = read_table()
    closings = set()
    for story in STORIES:
        records = read_script(story, faults)
        closings.add(check_story(story, table[story], records, faults))
        if args.show:
            print(f"==== {story}")
            for r in records:
                print(f"[{r['index']:2}] {r['ints']}\n{r['text']}\n")
    if len(closings) != 1:
        faults.append(f"closing lines differ: {sorted(map(str, closings))}")
    else:
        closing = closings.pop()
        if closing is None or len(closing) != 3 or len(closing.encode("cp932")) != 6:
            faults.append("the closing line is not three double-byte characters")

    for f in faults:
        print(f)
    total = sum(len(rows) for rows in table.values())
    print(f"{total} records checked, {len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
