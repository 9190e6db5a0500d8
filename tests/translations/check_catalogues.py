#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pellucor developers
# SPDX-License-Identifier: MIT
"""Fails when a shipped catalogue is not complete: a source text without a finished
translation, a catalogue that lupdate would change (a source text added or changed since it
was refreshed), a translation that lost a placeholder or a paragraph break, or a layout
direction other than the language's.

Usage: check_catalogues.py --lupdate LUPDATE --source-dir DIR --scratch DIR
                           --sources PATH... --ts TS_FILE..."""

import argparse
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

RIGHT_TO_LEFT = {"ar", "fa", "he", "ur"}
PLACEHOLDER = re.compile(r"%[1-9]")


def messages(path):
    with open(path, encoding="utf-8") as f:
        # Linguist writes a carriage return as an element; it counts as one here.
        root = ET.fromstring(f.read().replace('<byte value="xd"/>', "&#13;"))
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            yield name, "".join(message.find("source").itertext()), translation


def check(path, fresh_path):
    language = os.path.basename(path)[len("pellucor_"):-len(".ts")]
    problems = []
    have = {(c, s) for c, s, _ in messages(path)}
    wanted = {(c, s) for c, s, t in messages(fresh_path) if t is None or t.get("type") not in ("vanished", "obsolete")}
    for c, s in sorted(wanted - have):
        problems.append(f"{c}: not in the catalogue (refresh it with update_translations): {s!r}")
    for c, s in sorted(have - wanted):
        problems.append(f"{c}: no longer in the sources (refresh it with update_translations): {s!r}")
    for c, s, t in messages(path):
        text = (t.text or "") if t is not None else ""
        kind = t.get("type") if t is not None else "unfinished"
        if (c, s) not in wanted:
            continue
        if kind == "unfinished" or not text.strip():
            problems.append(f"{c}: unfinished: {s!r}")
            continue
        if (c, s) == ("QGuiApplication", "QT_LAYOUT_DIRECTION"):
            expected = "RTL" if language.split("_")[0] in RIGHT_TO_LEFT else "LTR"
            if text != expected:
                problems.append(f"layout direction is {text!r}, not {expected!r}")
            continue
        if sorted(PLACEHOLDER.findall(s)) != sorted(PLACEHOLDER.findall(text)):
            problems.append(f"{c}: placeholders differ from {s!r}: {text!r}")
        if s.count("\r\n") != text.count("\r\n"):
            problems.append(f"{c}: line breaks differ from {s!r}: {text!r}")
    return [f"{language}: {p}" for p in problems]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--scratch", required=True)
    parser.add_argument("--sources", nargs="+", required=True, help="what lupdate scans, from --source-dir")
    parser.add_argument("--ts", nargs="+", required=True, dest="ts_files")
    args = parser.parse_args()

    # lupdate run on copies, with the options the catalogues are refreshed with.
    shutil.rmtree(args.scratch, ignore_errors=True)
    os.makedirs(args.scratch)
    copies = []
    for ts in args.ts_files:
        copy = os.path.join(args.scratch, os.path.basename(ts))
        shutil.copyfile(ts, copy)
        copies.append(copy)
    subprocess.run([args.lupdate, "-silent", "-locations", "none", "-no-obsolete", *args.sources, "-ts", *copies],
                   cwd=args.source_dir, check=True)

    problems = []
    for ts, copy in zip(args.ts_files, copies):
        problems += check(ts, copy)
    for p in problems:
        print(p)
    print(f"{len(args.ts_files)} catalogues, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
