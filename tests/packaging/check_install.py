#!/usr/bin/env python3
"""`cmake --install` of the build tree into a scratch prefix holds exactly the program, its
desktop entry, its icons and its AppStream metainfo."""

import argparse
import shutil
import subprocess
import sys

from installed_tree import Failure, check_tree


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--scratch", required=True)
    parser.add_argument("--version", required=True)
    args = parser.parse_args()

    shutil.rmtree(args.scratch, ignore_errors=True)
    subprocess.run([args.cmake, "--install", args.build_dir, "--prefix", args.scratch],
                   check=True, stdout=subprocess.DEVNULL)
    try:
        check_tree(args.scratch, args.version, args.source_dir)
    except Failure as failure:
        print("FAIL:", failure)
        return 1
    print("installed tree is complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
