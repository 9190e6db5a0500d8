#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

"""Runs a Debian validator (desktop-file-validate, appstreamcli, man, reuse) and fails on what it
reports; skips when the tool is not installed."""

import shutil
import subprocess
import sys

SKIP = 77

tool = sys.argv[1]
if shutil.which(tool) is None:
    print(f"SKIP: {tool} is not installed (packages desktop-file-utils, appstream, man-db, reuse)")
    sys.exit(SKIP)
result = subprocess.run(sys.argv[1:], capture_output=True, text=True)
# man prints the formatted page and, with --warnings, groff's complaints apart from it.
output = (result.stderr if tool == "man" else result.stdout + result.stderr).strip()
print(output)
# desktop-file-validate and man exit 0 on warnings; any message from them is a fault to fix.
if tool in ("desktop-file-validate", "man") and output:
    sys.exit(1)
sys.exit(result.returncode)
