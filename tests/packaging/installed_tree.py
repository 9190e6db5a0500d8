# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

"""What an installed Pellucor looks like, checked the same way for `cmake --install` and for the
contents of the Debian package."""

import configparser
import os
import re
import struct
import xml.etree.ElementTree as ElementTree

APP_ID = "org.pellucor.Pellucor"
COMMENTS = "This software is developed for educational purpose."
SKIP = 77


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def files_under(root):
    found = set()
    for folder, _, names in os.walk(root):
        for name in names:
            found.add(os.path.relpath(os.path.join(folder, name), root))
    return found


def check_tree(prefix, version, source_dir):
    """prefix is the installation prefix (the root of bin/ and share/)."""
    desktop_rel = f"share/applications/{APP_ID}.desktop"
    metainfo_rel = f"share/metainfo/{APP_ID}.metainfo.xml"
    png_rel = f"share/icons/hicolor/32x32/apps/{APP_ID}.png"
    svg_rel = f"share/icons/hicolor/scalable/apps/{APP_ID}.svg"
    expected = {"bin/pellucor", desktop_rel, metainfo_rel, png_rel, svg_rel, "share/man/man1/pellucor.1.gz"}
    found = {f for f in files_under(prefix) if not f.startswith("share/doc/")}
    check(found == expected, f"installed files differ: missing {sorted(expected - found)}, "
                             f"unexpected {sorted(found - expected)}")

    exe = os.path.join(prefix, "bin/pellucor")
    check(os.access(exe, os.X_OK), "bin/pellucor is not executable")
    with open(exe, "rb") as f:
        check(f.read(4) == b"\x7fELF", "bin/pellucor is not an ELF executable")

    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(os.path.join(prefix, desktop_rel), encoding="utf-8")
    section = entry["Desktop Entry"]
    check(section.get("Type") == "Application", "desktop entry: Type is not Application")
    check(section.get("Name") == "Pellucor", f"desktop entry: Name is {section.get('Name')!r}")
    check(section.get("Comment") == COMMENTS, f"desktop entry: Comment is {section.get('Comment')!r}")
    categories = [c for c in section.get("Categories", "").split(";") if c]
    check(categories[:2] == ["Office", "Finance"], f"desktop entry: Categories are {categories}")
    check(section.get("Exec", "").split()[0] == "pellucor", "desktop entry: Exec does not start pellucor")
    check(section.get("Icon") == APP_ID, f"desktop entry: Icon is {section.get('Icon')!r}")

    with open(os.path.join(prefix, png_rel), "rb") as f:
        png = f.read()
    check(png[:8] == b"\x89PNG\r\n\x1a\n" and png[12:16] == b"IHDR", "32x32 icon is not a PNG")
    check(struct.unpack(">II", png[16:24]) == (32, 32), "32x32 icon is not 32 x 32 pixels")
    with open(os.path.join(source_dir, "app/resources/pellucor-32.png"), "rb") as f:
        check(png == f.read(), "32x32 icon is not the program's icon")

    svg = ElementTree.parse(os.path.join(prefix, svg_rel)).getroot()
    check(svg.tag == "{http://www.w3.org/2000/svg}svg", "scalable icon is not SVG")
    check(svg.get("viewBox") == "0 0 32 32", "scalable icon is not drawn on the 32 x 32 grid")

    meta = ElementTree.parse(os.path.join(prefix, metainfo_rel)).getroot()
    check(meta.findtext("id") == APP_ID, "metainfo: wrong id")
    check(meta.findtext("name") == "Pellucor", "metainfo: wrong name")
    check(meta.findtext("launchable") == os.path.basename(desktop_rel),
          "metainfo: launchable is not the installed desktop entry")
    releases = [(r.get("version"), r.get("date")) for r in meta.iter("release")]
    check([v for v, _ in releases[:1]] == [version], f"metainfo: latest release is {releases[:1]}, expected {version}")
    check(releases[:1] == news_releases(source_dir)[:1],
          f"metainfo: latest release is {releases[:1]}, NEWS says {news_releases(source_dir)[:1]}")


def news_releases(source_dir):
    """(version, date) of each NEWS entry, newest first."""
    with open(os.path.join(source_dir, "NEWS"), encoding="utf-8") as f:
        return re.findall(r"^Pellucor (\S+) \((\d{4}-\d{2}-\d{2})\)$", f.read(), re.MULTILINE)


CONTROLS_HEADERS = ["AppError.h", "ControlHost.h", "ControlsExport.h", "MessageBoxHost.h", "OleColor.h",
                    "ProgressBar.h", "PropertyBag.h", "PropertyValue.h", "QtControlHost.h", "Shape.h"]
CONTROLS_SONAME = "libpellucor-controls.so.1"


def controls_files(libdir, designer_dir):
    """What the controls install, by package part: runtime, development, designer."""
    runtime = {f"{libdir}/{CONTROLS_SONAME}", f"{libdir}/{CONTROLS_SONAME}.0.0"}
    cmake_dir = f"{libdir}/cmake/PellucorControls"
    development = {f"include/pellucor/{h}" for h in CONTROLS_HEADERS} | {
        f"{libdir}/libpellucor-controls.so", f"{cmake_dir}/PellucorControlsConfig.cmake",
        f"{cmake_dir}/PellucorControlsConfigVersion.cmake", f"{cmake_dir}/PellucorControlsTargets.cmake"}
    designer = {f"{designer_dir}/libpellucor-controls-designer.so"} if designer_dir else set()
    return runtime, development, designer


def without_build_type_targets(files, libdir):
    """The per-configuration part of the CMake package (PellucorControlsTargets-<config>.cmake)."""
    prefix = f"{libdir}/cmake/PellucorControls/PellucorControlsTargets-"
    per_config = {f for f in files if f.startswith(prefix) and f.endswith(".cmake")}
    check(len(per_config) == 1, f"expected one per-configuration targets file, found {sorted(per_config)}")
    return files - per_config


def check_controls_tree(prefix, libdir, designer_dir, parts=("runtime", "development", "designer")):
    """prefix holds exactly the given parts of the controls."""
    runtime, development, designer = controls_files(libdir, designer_dir)
    chosen = {"runtime": runtime, "development": development, "designer": designer}
    expected = set().union(*(chosen[p] for p in parts))
    found = {f for f in files_under(prefix) if not f.startswith("share/doc/")}
    if "development" in parts:
        found = without_build_type_targets(found, libdir)
    check(found == expected, f"installed controls differ: missing {sorted(expected - found)}, "
                             f"unexpected {sorted(found - expected)}")
    if "runtime" in parts:
        link = os.path.join(prefix, libdir, CONTROLS_SONAME)
        check(os.path.islink(link) and os.readlink(link) == CONTROLS_SONAME + ".0.0",
              f"{CONTROLS_SONAME} is not a link to the versioned file")
