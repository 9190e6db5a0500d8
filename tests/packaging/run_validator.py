#!/usr/bin/env python3
"""Runs a Debian validator (desktop-file-validate, appstreamcli) and fails on what it reports;
skips when the tool is not installed."""

import shutil
import subprocess
import sys

SKIP = 77

tool = sys.argv[1]
if shutil.which(tool) is None:
    print(f"SKIP: {tool} is not installed (packages desktop-file-utils, appstream)")
    sys.exit(SKIP)
result = subprocess.run(sys.argv[1:], capture_output=True, text=True)
output = (result.stdout + result.stderr).strip()
print(output)
# desktop-file-validate exits 0 on warnings; any message from it is a fault to fix.
if tool == "desktop-file-validate" and output:
    sys.exit(1)
sys.exit(result.returncode)
