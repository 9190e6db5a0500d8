#!/usr/bin/env python3
"""Writes the checked-in seed corpora: the result table's rows, the validation limits and
the awkward forms. Run from anywhere; it rewrites fuzz/corpus/fuzz_*/."""

import pathlib
import shutil

HERE = pathlib.Path(__file__).resolve().parent

TABLE = {
    "initial-inputs": ("60000", "360", "617.17", "0"),
    "negative-closing": ("60000", "360", "617.17", "-10000"),
    "positive-closing": ("60000", "360", "617.17", "10000"),
    "fractional-months": ("60000", "360.5", "617.17", "0"),
    "single-month-balloon": ("60000", "1", "0", "60600"),
    "balloon-only": ("50000", "120", "0", "100000"),
    "zero-interest": ("12000", "12", "1000", "0"),
    "negative-rate-within": ("1300", "12", "100", "0"),
    "negative-rate-beyond": ("1334", "12", "100", "0"),
    "top-candidate": ("740", "12", "100", "0"),
    "above-top-within": ("700", "12", "100", "0"),
    "above-top-beyond": ("667", "12", "100", "0"),
    "payment-too-small": ("60000", "360", "100", "0"),
    "nothing-paid-back": ("60000", "360", "0", "0"),
    "smallest-whole": ("1", "1", "0", "1"),
    "maximal-inputs": ("100000000", "1000", "100000000", "100000000"),
    "grouped-npv": ("60,000", "360", "617.17", "0"),
}

LIMITS = {
    "npv-low": ("1", "360", "0", "0"),
    "npv-below": ("0.99", "360", "617.17", "0"),
    "npv-above": ("100000000.01", "360", "617.17", "0"),
    "duration-below": ("60000", "0.99", "617.17", "0"),
    "duration-above": ("60000", "1000.5", "617.17", "0"),
    "payment-negative": ("60000", "360", "-0.01", "0"),
    "closing-low": ("60000", "360", "617.17", "-100000000"),
    "closing-below": ("60000", "360", "617.17", "-100000000.5"),
    "closing-above": ("60000", "360", "617.17", "100000001"),
    "two-bad-fields": ("abc", "0", "617.17", "0"),
}

AWKWARD = {
    "empty": ("", "360", "617.17", "0"),
    "letters-after": ("12abc", "360", "617.17", "0"),
    "blanks-around": (" 60000 ", "\t360\t", "617.17 ", " 0"),
    "exponent": ("1e3", "36E1", "6.1717e2", "0e0"),
    "exponent-huge": ("1e400", "1e39", "1e-400", "-0"),
    "grouped-million-months": ("60000", "1,000,000", "617.17", "0"),
    "bad-groups": ("6,0000", "1,0", "617.17", "0"),
    "signs": ("+60000", "+360", "+617.17", "-0"),
    "lone-sign-and-point": ("-", ".", "+.", "e"),
    "fifteen-nines": ("999999999999999", "999999999999999", "999999999999999", "999999999999999"),
    "hex-and-currency": ("0x10", "&H10", "$100", "(100)"),
    "inf-nan": ("inf", "nan", "Infinity", "-inf"),
    "unicode-digits": ("\u0666\u0660\u0660\u0660\u0660", "\uff13\uff16\uff10", "617.17", "0"),
    "invalid-utf8": (b"\xff\xfe60000", b"36\xc30", b"\xe2\x80", b"0\xf4\x90\x80\x80"),
    "nul-byte": ("600\x0000", "360", "617.17", "0"),
}

LOCALES = {
    "comma-decimal": ("1", ("60.000", "360", "617,17", "0")),
    "comma-half": ("1", ("0,5", "360", "617,17", "0")),
    "french-group": ("2", ("60\u202f000", "360", "617,17", "-10\u202f000")),
    "swiss-group": ("3", ("60\u2019000", "360", "617.17", "0")),
    "swedish-minus": ("4", ("60\u00a0000", "360", "617,17", "\u221210\u00a0000")),
    "arabic": ("5", ("60\u066c000", "360\u066b5", "617\u066b17", "\u061c-10000")),
    "hebrew-marked-sign": ("6", ("60,000", "360", "617.17", "\u200e-10000")),
    "custom-separators": ("'_~", ("60_000", "360", "617'17", "~10000")),
    "same-separators": ("..", ("60.000", "360", "617.17", "0")),
    "french-pasted": ("2", ("60 000\r", "\t360\u00a0", "617,17\u2028", "-10\u00a0000\u3000")),
    "swiss-keyboard": ("3", ("60'000", "360", "617.17", "-10'000")),
    "arabic-digits": ("5", ("\u0666\u0660\u066c\u0660\u0660\u0660", "\u0663\u0666\u0660",
                            "\u0666\u0661\u0667\u066b\u0661\u0667", "\u061c-\u0661\u0660\u066c\u0660\u0660\u0660")),
    "persian-digits": ("7", ("\u06f6\u06f0\u066c\u06f0\u06f0\u06f0", "\u06f3\u06f6\u06f0", "617.17", "1.500")),
    "indian-groups": ("8", ("1,00,000", "360", "1,028.62", "10,00,00,000")),
    "bengali-digits": ("9", ("\u09e7,\u09e6\u09e6,\u09e6\u09e6\u09e6", "\u09e9\u09ec\u09e6", "\u09e7\u09e6\u09e8\u09ee.\u09ec\u09e8",
                             "\u09ec\u09e6\u09e6\u09e6\u09e6")),
}

FAULTS = {
    "fault-first-read": "\x00",
    "fault-repaint": "\x15",
    "fault-twice": "\x19\x01",
    "fault-late-twice": "\x1f\x01",
}


def encode(part):
    return part if isinstance(part, bytes) else part.encode("utf-8")


def calculate_input(locale, fields, fault=None):
    lines = [encode(locale)] + [encode(f) for f in fields]
    if fault is not None:
        lines.append(encode(fault))
    return b"\n".join(lines)


def write(target, files):
    folder = HERE / target
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir()
    for name, data in files.items():
        (folder / name).write_bytes(data)


def main():
    calculate = {}
    for group, rows in (("table", TABLE), ("limit", LIMITS), ("awkward", AWKWARD)):
        for name, fields in rows.items():
            calculate[f"{group}-{name}"] = calculate_input("", fields)
    for name, (locale, fields) in LOCALES.items():
        calculate[f"locale-{name}"] = calculate_input(locale, fields)
    for name, fault in FAULTS.items():
        calculate[name] = calculate_input("", TABLE["initial-inputs"], fault)
    write("fuzz_calculate", calculate)

    numbers = {}
    for name, (locale, fields) in LOCALES.items():
        for i, text in enumerate(fields):
            numbers[f"locale-{name}-{i}"] = encode(locale) + b"\n" + encode(text)
    for group, rows in (("table", TABLE), ("limit", LIMITS), ("awkward", AWKWARD)):
        for name, fields in rows.items():
            for i, text in enumerate(fields):
                numbers[f"{group}-{name}-{i}"] = b"\n" + encode(text)
    for name, text in {
        "long-fraction": "0." + "0" * 330 + "1",
        "long-integer": "1" + "0" * 308,
        "exponent-clamp": "1e99999999999999999999",
        "tiny": "4.9406564584124654e-324",
        "below-tiny": "1e-400",
        "single-edge": "3.4028235e38",
        "many-groups": "1,000,000,000,000,000,000",
    }.items():
        numbers[f"extreme-{name}"] = b"\n" + text.encode()
    write("fuzz_number_rules", numbers)

    def store(*entries, version="1"):
        body = ",\n".join(
            '  {"key": %s, "type": %s, "value": %s}' % entry for entry in entries)
        return ('{"version": %s, "properties": [\n%s\n]}\n' % (version, body)).encode()

    write("fuzz_progressbar_store", {
        "empty": store(),
        "all-keys": store(('"BackColor"', '"i32"', "-2147483633"), ('"BorderColor"', '"i32"', "-2147483630"),
                          ('"ForeColor"', '"i32"', "255"), ('"Max"', '"f32"', "250.5"),
                          ('"Value"', '"f32"', "37.5"), ('"Resolution"', '"i32"', "-1"),
                          ('"Orientation"', '"i32"', "1")),
        "non-finite": store(('"Max"', '"f32"', '"Infinity"'), ('"Value"', '"f32"', '"NaN"')),
        "max-zero": store(('"Max"', '"f32"', "0"), ('"Value"', '"f32"', "-0")),
        "odd-fields": store(('"Orientation"', '"i32"', "5"), ('"Resolution"', '"i16"', "-32768")),
        "texts": store(('"Max"', '"text"', '" 1e3 "'), ('"Value"', '"text"', '"abc"'),
                       ('"BackColor"', '"text"', '"-2147483633"')),
        "bad-colour": store(('"ForeColor"', '"i32"', "-2147483393")),
        "surrogate-key": store(('"\\ud800"', '"text"', '"\\udfff"')),
        "duplicate-key": store(('"Max"', '"f32"', "1"), ('"Max"', '"f32"', "2")),
        "out-of-range": store(('"Resolution"', '"i16"', "32768")),
        "wrong-version": store(version="2"),
        "unknown-member": b'{"version": 1, "properties": [], "extra": 0}',
        "not-json": b"version=1",
        "nested": b'{"version": 1, "properties": [[[[{}]]]]}',
    })


if __name__ == "__main__":
    main()
