#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pellucor developers
# SPDX-License-Identifier: MIT
"""The command line answered on a terminal with no display: --help and --version print and
exit 0, Qt's own options are let through, anything else is refused with a message and status 2.

  command_line.py PELLUCOR DISPLAY_VERSION
"""
import os
import subprocess
import sys

# Arguments, exit status, the stream that answers, a text it must contain.
ROWS = [
    (["--version"], 0, "stdout", "Pellucor {version}\n"),
    (["-v"], 0, "stdout", "Pellucor {version}\n"),
    (["--help"], 0, "stdout", "--version"),
    (["-h"], 0, "stdout", "Usage: pellucor"),
    (["-style", "fusion", "-reverse", "--version"], 0, "stdout", "Pellucor {version}\n"),
    (["-platform=offscreen", "--platformtheme", "x", "--help"], 0, "stdout", "--help"),
    (["--bogus"], 2, "stderr", "Unknown option 'bogus'"),
    (["-x"], 2, "stderr", "Unknown option 'x'"),
    (["loan.txt"], 2, "stderr", "takes no arguments"),
    (["-style"], 2, "stderr", "Missing value after '-style'"),
]


def main():
    exe, version = sys.argv[1], sys.argv[2]
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE")}
    failures = 0
    for args, status, stream, text in ROWS:
        text = text.format(version=version)
        done = subprocess.run([exe] + args, env=env, capture_output=True, text=True, timeout=30, check=False)
        answer, other = (done.stdout, done.stderr) if stream == "stdout" else (done.stderr, done.stdout)
        ok = done.returncode == status and text in answer and other == ""
        if status == 0:
            ok = ok and answer.endswith("\n")
        failures += not ok
        print(f"{'ok  ' if ok else 'FAIL'} pellucor {' '.join(args)}: status {done.returncode}, "
              f"{stream} {answer.splitlines()[0] if answer else ''!r}"
              + ("" if ok else f"\n     expected status {status} and {text!r} on {stream} alone; "
                               f"stdout {done.stdout!r}, stderr {done.stderr!r}"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
