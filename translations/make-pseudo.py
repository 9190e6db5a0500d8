#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pellucor developers
# SPDX-License-Identifier: MIT
"""Writes a pseudo-translation of a Qt Linguist catalogue: every text accented, bracketed and
about 40 % longer, so that a text that escaped translation shows plain and one that would not
fit shows cut. Placeholders (%1 ... %9), line breaks and Qt's layout-direction entry are kept.

Usage: make-pseudo.py SOURCE.ts OUTPUT.ts LANGUAGE_TAG"""

import os
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = str.maketrans(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "åƀçðéƒĝĥîĵķļɱñöþǫŕšţûṽŵẋýžÅƁÇÐÉƑĜĤÎĴĶĻṀÑÖÞǪŔŠŢÛṼŴẊÝŽ")
FILLER = " ŀöŕéɱ îþšûɱ ðöļöŕ šîţ åɱéţ çöñšéçţéţûŕ åðîþîšçîñĝ éļîţ"
# Kept as they are: placeholders, and the line breaks between paragraphs.
# Linguist writes a carriage return as <byte value="xd"/>; it stands in a private character
# while the file is parsed.
CR_ELEMENT = '<byte value="xd"/>'
CR = "\ue000"
KEEP = re.compile("(%[1-9]|" + CR + "\n|" + CR + "|\n)")


def pseudo(text: str) -> str:
    parts = KEEP.split(text)
    accented = "".join(p if KEEP.fullmatch(p) else p.translate(ACCENTED) for p in parts)
    extra = max(1, round(len(text) * 0.4) - 2)
    padding = (FILLER * (extra // len(FILLER) + 1))[:extra]
    return "[" + accented + padding + "]"


def main(source: str, output: str, language: str) -> None:
    with open(source, encoding="utf-8") as f:
        root = ET.fromstring(f.read().replace(CR_ELEMENT, CR))
    root.set("language", language)
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            text = message.findtext("source") or ""
            translation = message.find("translation")
            if translation is None:
                translation = ET.SubElement(message, "translation")
            translation.attrib.pop("type", None)
            if name == "QGuiApplication" and text == "QT_LAYOUT_DIRECTION":
                translation.text = "LTR"
            else:
                translation.text = pseudo(text)
    text = ET.tostring(root, encoding="unicode").replace(CR, CR_ELEMENT)
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    with open(output, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + text + "\n")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
