#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

"""Compiles the generated Windows resource script with the MinGW-w64 resource compiler and
reads the compiled version record and icon back, so the Windows build's resources cannot rot
unnoticed on a Linux machine."""

import argparse
import os
import struct
import subprocess
import sys

SKIP = 77
RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
US_ENGLISH, UNICODE_CODE_PAGE = 0x0409, 1200


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def display_version(version):
    # 1.0.0.17 is shown as 1.00.0017.
    major, minor, _, tweak = version.split(".")
    return f"{major}.{int(minor):02d}.{int(tweak):04d}"


def read_id(data, at):
    """A resource type or name: an ordinal (0xFFFF, n) or a zero-terminated UTF-16 string."""
    if struct.unpack_from("<H", data, at)[0] == 0xFFFF:
        return struct.unpack_from("<H", data, at + 2)[0], at + 4
    end = at
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[at:end].decode("utf-16-le"), end + 2


def align4(at):
    return (at + 3) & ~3


def resources(data):
    """(type, name, language, bytes) of every entry of a .res file."""
    found = []
    at = 0
    while at < len(data):
        size, header = struct.unpack_from("<II", data, at)
        kind, cursor = read_id(data, at + 8)
        name, cursor = read_id(data, cursor)
        cursor = align4(cursor)
        language = struct.unpack_from("<H", data, cursor + 6)[0]
        body = data[at + header:at + header + size]
        if size:  # the file starts with an empty entry
            found.append((kind, name, language, body))
        at = align4(at + header + size)
    return found


def version_node(data, at):
    """One node of the version record: (key, value, children, end)."""
    length, value_length, kind = struct.unpack_from("<HHH", data, at)
    key_end = at + 6
    while struct.unpack_from("<H", data, key_end)[0] != 0:
        key_end += 2
    key = data[at + 6:key_end].decode("utf-16-le")
    cursor = align4(key_end + 2)
    byte_length = value_length * 2 if kind == 1 else value_length
    value = data[cursor:cursor + byte_length]
    if kind == 1:
        value = value.decode("utf-16-le").rstrip("\0")
    cursor = align4(cursor + byte_length)
    children = []
    while cursor < at + length:
        child = version_node(data, cursor)
        children.append(child)
        cursor = align4(child[3])
    return key, value, children, at + length


def check_version_record(record, version, company):
    key, fixed, children, _ = version_node(record, 0)
    check(key == "VS_VERSION_INFO", f"version record is named {key!r}")
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    check(signature == 0xFEEF04BD, "version record has no fixed file information")
    numbers = [int(n) for n in version.split(".")]
    packed = ((numbers[0] << 16) | numbers[1], (numbers[2] << 16) | numbers[3])
    check((file_ms, file_ls) == packed, "numeric file version is not " + version)
    check((product_ms, product_ls) == packed, "numeric product version is not " + version)

    blocks = {child[0]: child for child in children}
    check(set(blocks) == {"StringFileInfo", "VarFileInfo"}, f"version record blocks: {sorted(blocks)}")
    tables = blocks["StringFileInfo"][2]
    check([t[0] for t in tables] == ["040904B0"], f"string tables: {[t[0] for t in tables]}")
    strings = {entry[0]: entry[1] for entry in tables[0][2]}
    shown = display_version(version)
    expected = {
        "Comments": "This software is developed for educational purpose.",
        "CompanyName": company,
        "FileVersion": shown,
        "InternalName": "Pellucor",
        "OriginalFilename": "Pellucor.exe",
        "ProductName": "Pellucor",
        "ProductVersion": shown,
    }
    check(strings == expected, f"string table differs: {strings}")

    variables = {v[0]: v[1] for v in blocks["VarFileInfo"][2]}
    check(variables.get("Translation") == struct.pack("<HH", US_ENGLISH, UNICODE_CODE_PAGE),
          "translation is not US English with the Unicode code page")


def check_icon(entries, ico_path):
    with open(ico_path, "rb") as f:
        ico = f.read()
    _, _, count = struct.unpack_from("<HHH", ico, 0)
    groups = [e for e in entries if e[0] == RT_GROUP_ICON]
    check(len(groups) == 1, f"expected one icon group, found {len(groups)}")
    group = groups[0][3]
    check(struct.unpack_from("<HHH", group, 0) == (0, 1, count), "icon group does not hold the .ico's images")
    icons = {e[1]: e[3] for e in entries if e[0] == RT_ICON}
    for i in range(count):
        width, height, _, _, _, bits, size, offset = struct.unpack_from("<BBBBHHII", ico, 6 + 16 * i)
        icon_id = struct.unpack_from("<H", group, 6 + 14 * i + 12)[0]
        check((width, height, bits) == (32, 32, 4), "icon image is not 32 x 32 in 16 colours")
        check(icons.get(icon_id) == ico[offset:offset + size], "compiled icon differs from the .ico")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--windres", default="")
    parser.add_argument("--preprocessor", required=True)
    parser.add_argument("--rc", required=True)
    parser.add_argument("--ico", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--company", required=True)
    args = parser.parse_args()

    if not args.windres or not os.path.exists(args.windres):
        print("SKIP: x86_64-w64-mingw32-windres not found (package binutils-mingw-w64-x86-64)")
        return SKIP
    # The host compiler preprocesses, so the MinGW C compiler need not be installed.
    subprocess.run([args.windres, f"--preprocessor={args.preprocessor}", "--preprocessor-arg=-E",
                    "--preprocessor-arg=-xc", "--preprocessor-arg=-DRC_INVOKED",
                    "-i", args.rc, "-O", "res", "-o", args.out], check=True)
    with open(args.out, "rb") as f:
        entries = resources(f.read())
    try:
        versions = [e for e in entries if e[0] == RT_VERSION]
        check(len(versions) == 1, f"expected one version record, found {len(versions)}")
        check(versions[0][2] == US_ENGLISH, f"version record language is {versions[0][2]:#06x}")
        check_version_record(versions[0][3], args.version, args.company)
        check_icon(entries, args.ico)
    except Failure as failure:
        print("FAIL:", failure)
        return 1
    print("resources compiled; version record", display_version(args.version), "and icon present")
    return 0


if __name__ == "__main__":
    sys.exit(main())
