#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

"""`cmake --install` of the build tree into scratch prefixes: the application component holds
exactly the program, its desktop entry, its icons and its AppStream metainfo; each controls
component exactly its library, development files or Designer plugin."""

import argparse
import os
import shutil
import subprocess
import sys

from installed_tree import Failure, check, check_controls_tree, check_tree, files_under


def install(cmake, build_dir, prefix, component=None):
    command = [cmake, "--install", build_dir, "--prefix", prefix]
    if component:
        command += ["--component", component]
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--scratch", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--libdir", default="", help="the controls' library folder; empty when not installed")
    parser.add_argument("--designer-dir", default="", help="the Designer plugin folder; empty when not built")
    args = parser.parse_args()

    shutil.rmtree(args.scratch, ignore_errors=True)
    try:
        app = os.path.join(args.scratch, "application")
        install(args.cmake, args.build_dir, app, "application")
        check_tree(app, args.version, args.source_dir)
        if args.libdir:
            parts = {"controls_runtime": "runtime", "controls_development": "development"}
            if args.designer_dir:
                parts["controls_designer"] = "designer"
            for component, part in parts.items():
                prefix = os.path.join(args.scratch, component)
                install(args.cmake, args.build_dir, prefix, component)
                check_controls_tree(prefix, args.libdir, args.designer_dir, (part,))
        # Nothing is installed outside these components.
        whole = os.path.join(args.scratch, "whole")
        install(args.cmake, args.build_dir, whole)
        parts = set()
        for component in os.listdir(args.scratch):
            if component != "whole":
                parts |= files_under(os.path.join(args.scratch, component))
        stray = files_under(whole) - parts
        check(not stray, f"installed by no component: {sorted(stray)}")
    except Failure as failure:
        print("FAIL:", failure)
        return 1
    print("installed tree is complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
