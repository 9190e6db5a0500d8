#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

"""Writes the program icon: pellucor-32.png, pellucor.ico and pellucor.svg.

The picture is a blue square with a one-pixel silver edge and a centred 22 x 22 cyan
square, drawn in the classic 16-colour palette. Only the standard library is used so the
files can be regenerated anywhere:  python3 make-icons.py [output-directory]
"""

import pathlib
import struct
import sys
import zlib

SIZE = 32
INNER = 22

# The classic 16-colour palette, in its usual index order.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
SILVER, BLUE, CYAN = 7, 12, 14


def pixels():
    """Palette indexes, row by row from the top."""
    first = (SIZE - INNER) // 2
    last = first + INNER - 1
    grid = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            if x in (0, SIZE - 1) or y in (0, SIZE - 1):
                row.append(SILVER)
            elif first <= x <= last and first <= y <= last:
                row.append(CYAN)
            else:
                row.append(BLUE)
        grid.append(row)
    return grid


def pack_nibbles(row):
    return bytes((row[i] << 4) | row[i + 1] for i in range(0, len(row), 2))


def png(grid):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 4, 3, 0, 0, 0)  # 4-bit palette image
    plte = b"".join(bytes(c) for c in PALETTE)
    raw = b"".join(b"\x00" + pack_nibbles(row) for row in grid)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", plte)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(grid):
    # A 4-bit DIB as in the classic icon format: bottom-up rows, colour table in BGRX,
    # then an all-zero AND mask because every pixel is opaque.
    xor = b"".join(pack_nibbles(row) for row in reversed(grid))
    mask_stride = ((SIZE + 31) // 32) * 4
    mask = bytes(mask_stride * SIZE)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                       len(xor) + len(mask), 0, 0, 16, 0)
    image = info + colours + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def svg():
    first = (SIZE - INNER) // 2
    hexes = {i: "#%02X%02X%02X" % PALETTE[i] for i in (SILVER, BLUE, CYAN)}
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="{SIZE}" height="{SIZE}"'
        f' viewBox="0 0 {SIZE} {SIZE}" shape-rendering="crispEdges">\n'
        f'  <rect x="0" y="0" width="{SIZE}" height="{SIZE}" fill="{hexes[SILVER]}"/>\n'
        f'  <rect x="1" y="1" width="{SIZE - 2}" height="{SIZE - 2}" fill="{hexes[BLUE]}"/>\n'
        f'  <rect x="{first}" y="{first}" width="{INNER}" height="{INNER}" fill="{hexes[CYAN]}"/>\n'
        '</svg>\n')


def main():
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent)
    grid = pixels()
    (out / "pellucor-32.png").write_bytes(png(grid))
    (out / "pellucor.ico").write_bytes(ico(grid))
    (out / "pellucor.svg").write_text(svg(), encoding="utf-8")


if __name__ == "__main__":
    main()
