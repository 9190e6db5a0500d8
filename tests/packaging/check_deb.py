#!/usr/bin/env python3
"""CPack's Debian package: its control fields name Qt's runtime packages, and unpacked with
`dpkg -x` into a scratch root it holds the installed tree under /usr."""

import argparse
import glob
import os
import shutil
import subprocess
import sys

from installed_tree import SKIP, Failure, check, check_tree

# Linked by the program, so dpkg-shlibdeps must have found them; the platform plugins and the
# fonts (DejaVu Sans and its condensed face) are loaded without linking and are named by hand.
REQUIRED = ["libqt6core6", "libqt6gui6", "libqt6widgets6", "qt6-qpa-plugins",
            "fonts-dejavu-core", "fonts-dejavu-extra"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cpack", required=True)
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--scratch", required=True)
    parser.add_argument("--version", required=True)
    args = parser.parse_args()

    missing = [t for t in ("dpkg-deb", "dpkg-shlibdeps", "dpkg") if shutil.which(t) is None]
    if missing:
        print("SKIP: missing", ", ".join(missing), "(package dpkg-dev)")
        return SKIP

    shutil.rmtree(args.scratch, ignore_errors=True)
    out = os.path.join(args.scratch, "out")
    subprocess.run([args.cpack, "-G", "DEB", "-B", out, "--config",
                    os.path.join(args.build_dir, "CPackConfig.cmake")],
                   check=True, cwd=args.build_dir, stdout=subprocess.DEVNULL)
    try:
        debs = glob.glob(os.path.join(out, "*.deb"))
        check(len(debs) == 1, f"expected one .deb, found {debs}")
        deb = debs[0]
        fields = {}
        for name in ("Package", "Version", "Architecture", "Depends", "Maintainer"):
            fields[name] = subprocess.run(["dpkg-deb", "-f", deb, name], check=True,
                                          capture_output=True, text=True).stdout.strip()
        print(f"{os.path.basename(deb)}: Depends: {fields['Depends']}")
        check(fields["Package"] == "pellucor", f"Package is {fields['Package']!r}")
        check(fields["Version"] == args.version, f"Version is {fields['Version']!r}")
        arch = subprocess.run(["dpkg", "--print-architecture"], check=True, capture_output=True,
                              text=True).stdout.strip()
        check(fields["Architecture"] == arch, f"Architecture is {fields['Architecture']!r}")
        check(fields["Maintainer"], "no Maintainer")
        depends = {d.strip().split()[0] for alt in fields["Depends"].split(",") for d in alt.split("|")}
        absent = [p for p in REQUIRED if p not in depends]
        check(not absent, f"Depends lacks {absent}")

        root = os.path.join(args.scratch, "root")
        subprocess.run(["dpkg", "-x", deb, root], check=True)
        check(set(os.listdir(root)) == {"usr"}, f"package installs outside /usr: {os.listdir(root)}")
        check_tree(os.path.join(root, "usr"), args.version, args.source_dir)
    except Failure as failure:
        print("FAIL:", failure)
        return 1
    print("package is complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
