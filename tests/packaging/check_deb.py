#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

"""CPack's Debian packages: the application's, whose control fields name Qt's runtime packages
and which unpacked with `dpkg -x` into a scratch root holds the installed tree under /usr; and
the controls' runtime library, development files and Designer plugin, each with its files and
the dependencies it needs, no file in two packages. Debian's checker, lintian, finds no error and
no warning in any of them."""

import argparse
import glob
import os
import re
import shutil
import subprocess
import sys

from installed_tree import (CONTROLS_SONAME, SKIP, Failure, check, check_controls_tree, check_tree,
                            files_under)

# Linked by the program, so dpkg-shlibdeps must have found them; the platform plugins and the
# fonts (DejaVu Sans and its condensed face) are loaded without linking and are named by hand.
REQUIRED = ["libqt6core6", "libqt6gui6", "libqt6widgets6", "qt6-qpa-plugins", "qt6-wayland",
            "fonts-dejavu-core", "fonts-dejavu-extra"]
RUNTIME = "libpellucor-controls1"
DEVELOPMENT = "libpellucor-controls-dev"
DESIGNER = "pellucor-controls-designer-plugin"


def field(deb, name):
    return subprocess.run(["dpkg-deb", "-f", deb, name], check=True, capture_output=True,
                          text=True).stdout.strip()


def depends(deb):
    """Package name -> version constraint ('' when none), alternatives flattened."""
    found = {}
    for alternatives in field(deb, "Depends").split(","):
        for dep in alternatives.split("|"):
            match = re.match(r"\s*([^\s(]+)\s*(?:\(([^)]*)\))?", dep)
            if match:
                found[match.group(1)] = (match.group(2) or "").replace(" ", "")
    return found


def needed(path):
    out = subprocess.run(["readelf", "-d", path], check=True, capture_output=True, text=True).stdout
    return re.findall(r"\(NEEDED\).*\[(.+)\]", out), re.findall(r"\(SONAME\).*\[(.+)\]", out)


def qt_packages(path):
    """Debian's packages of the Qt libraries a binary links: libQt6Gui.so.6 is in libqt6gui6."""
    return [re.sub(r"\.so\.(\d+)$", r"\1", lib).lower() for lib in needed(path)[0] if lib.startswith("libQt6")]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cpack", required=True)
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--scratch", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--libdir", default="", help="the controls' library folder; empty when not packaged")
    parser.add_argument("--designer-dir", default="", help="the Designer plugin folder; empty when not built")
    args = parser.parse_args()

    missing = [t for t in ("dpkg-deb", "dpkg-shlibdeps", "dpkg", "readelf", "lintian") if shutil.which(t) is None]
    if missing:
        print("SKIP: missing", ", ".join(missing), "(packages dpkg-dev, binutils, lintian)")
        return SKIP

    shutil.rmtree(args.scratch, ignore_errors=True)
    out = os.path.join(args.scratch, "out")
    subprocess.run([args.cpack, "-G", "DEB", "-B", out, "--config",
                    os.path.join(args.build_dir, "CPackConfig.cmake")],
                   check=True, cwd=args.build_dir, stdout=subprocess.DEVNULL)
    try:
        debs = {field(deb, "Package"): deb for deb in glob.glob(os.path.join(out, "*.deb"))}
        expected = {"pellucor"}
        if args.libdir:
            expected |= {RUNTIME, DEVELOPMENT} | ({DESIGNER} if args.designer_dir else set())
        check(set(debs) == expected, f"expected packages {sorted(expected)}, found {sorted(debs)}")
        arch = subprocess.run(["dpkg", "--print-architecture"], check=True, capture_output=True,
                              text=True).stdout.strip()
        roots = {}
        for package, deb in sorted(debs.items()):
            print(f"{os.path.basename(deb)}: Depends: {field(deb, 'Depends')}")
            check(field(deb, "Version") == args.version, f"{package}: Version is {field(deb, 'Version')!r}")
            check(field(deb, "Architecture") == arch, f"{package}: Architecture is {field(deb, 'Architecture')!r}")
            check(field(deb, "Maintainer"), f"{package}: no Maintainer")
            roots[package] = os.path.join(args.scratch, "root", package)
            os.makedirs(roots[package])
            subprocess.run(["dpkg", "-x", deb, roots[package]], check=True)
            check(set(os.listdir(roots[package])) == {"usr"},
                  f"{package} installs outside /usr: {os.listdir(roots[package])}")

        app = debs["pellucor"]
        absent = [p for p in REQUIRED if p not in depends(app)]
        check(not absent, f"pellucor: Depends lacks {absent}")
        check_tree(os.path.join(roots["pellucor"], "usr"), args.version, args.source_dir)
        # The program either links the controls statically or depends on their package.
        program_needs, _ = needed(os.path.join(roots["pellucor"], "usr/bin/pellucor"))
        if CONTROLS_SONAME in program_needs:
            check(RUNTIME in depends(app), f"pellucor links {CONTROLS_SONAME} but does not depend on {RUNTIME}")

        if args.libdir:
            for package, parts in ((RUNTIME, ("runtime",)), (DEVELOPMENT, ("development",)),
                                   (DESIGNER, ("designer",))):
                if package in roots:
                    check_controls_tree(os.path.join(roots[package], "usr"), args.libdir, args.designer_dir, parts)
            library = os.path.join(roots[RUNTIME], "usr", args.libdir, CONTROLS_SONAME)
            _, soname = needed(library)
            check(soname == [CONTROLS_SONAME], f"{RUNTIME}: SONAME is {soname}")
            wanted = qt_packages(library)
            check("libqt6widgets6" in wanted, f"{CONTROLS_SONAME} does not link Qt Widgets")
            absent = [p for p in wanted if p not in depends(debs[RUNTIME])]
            check(not absent, f"{RUNTIME}: Depends lacks {absent}")
            exact = f"={args.version}"
            check(depends(debs[DEVELOPMENT]).get(RUNTIME) == exact,
                  f"{DEVELOPMENT}: does not depend on {RUNTIME} (= {args.version})")
            check("qt6-base-dev" in depends(debs[DEVELOPMENT]), f"{DEVELOPMENT}: Depends lacks qt6-base-dev")
            if DESIGNER in debs:
                plugin_deps = depends(debs[DESIGNER])
                check(plugin_deps.get(RUNTIME) == exact, f"{DESIGNER}: does not depend on {RUNTIME} (= {args.version})")
                plugin = os.path.join(roots[DESIGNER], "usr", args.designer_dir, "libpellucor-controls-designer.so")
                check(CONTROLS_SONAME in needed(plugin)[0], f"the plugin does not link {CONTROLS_SONAME}")
                absent = [p for p in qt_packages(plugin) if p not in plugin_deps]
                check(not absent, f"{DESIGNER}: Depends lacks {absent}")

        if args.libdir:
            multiarch = subprocess.run(["dpkg-architecture", "-qDEB_HOST_MULTIARCH"], check=True,
                                       capture_output=True, text=True).stdout.strip()
            check(args.libdir == f"lib/{multiarch}", f"the library is in /usr/{args.libdir}, not /usr/lib/{multiarch}")

        # Informational tags (I:) are Debian's suggestions; errors and warnings are faults.
        lintian = subprocess.run(["lintian", "--fail-on", "error,warning", *sorted(debs.values())],
                                 capture_output=True, text=True)
        report = [line for line in (lintian.stdout + lintian.stderr).splitlines()
                  if line and "running with root privileges" not in line]
        print("\n".join(report) or "lintian: no error, no warning")
        check(lintian.returncode == 0, f"lintian reports {len(report)} problems")

        # dpkg refuses to install two packages that ship the same file.
        owners = {}
        for package, root in roots.items():
            for name in files_under(root):
                check(name not in owners, f"{name} is in both {owners.get(name)} and {package}")
                owners[name] = package
    except Failure as failure:
        print("FAIL:", failure)
        return 1
    print("packages are complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
