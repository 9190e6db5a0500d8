#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

"""The real pellucor executable on a private Xvfb display with a real decorating window
manager (openbox), in German and French as well as English: the whole window, title bar
included, opens centred and stays where it appeared; the first click on "Calculate IRR"
works with the starting figures in every locale; a figure pasted with a line break and
French space-grouped digits calculates. Under qt6ct's dark "darker" palette with a 14 pt
desktop font the window grows in proportion, its captions read against what is behind them,
Return and keypad Enter press the focused button and Alt+letter types nothing; the window
manager is offered no maximize. Every process it starts is ended on the way out."""

import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pellucor_e2e as e2e  # noqa: E402

check = e2e.check
Failure = e2e.Failure
TOOLS = ["Xvfb", "openbox", "xdotool", "xclip", "xwininfo", "xprop", "locale"]
LOCALES = ["de_DE.UTF-8", "fr_FR.UTF-8"]
TOLERANCE = 2  # pixels

# A larger title bar than the default theme's, to see that the offset is not a constant.
TALL_TITLE_CONFIG = """<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme>
    <font place="ActiveWindow"><name>DejaVu Sans</name><size>22</size></font>
    <font place="InactiveWindow"><name>DejaVu Sans</name><size>22</size></font>
  </theme>
</openbox_config>
"""

# The desktop's own settings, as qt6ct writes them: the dark scheme and a 14 pt font.
QT6CT_COLOURS = "/usr/share/qt6ct/colors/darker.conf"
QT6CT_CONFIG = """[Appearance]
color_scheme_path={colours}
custom_palette=true
style=Fusion

[Fonts]
fixed="DejaVu Sans Mono,{points},-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
general="DejaVu Sans,{points},-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
"""
DESIGNED_POINTS = 9
# The four captions in the window's client coordinates at the default font, in pixels.
CAPTIONS = [(29, 24 + 32 * row, 345, 17) for row in range(4)]
MWM_FUNC_MAXIMIZE = 1 << 4
MWM_DECOR_MAXIMIZE = 1 << 6

# locale -> the starting payment as shown, the first click's result line, and the interface
# language where it is not the locale's: English texts with German numbers, all French.
FIRST_CLICK = {
    "C.UTF-8": ("617.17", e2e.INITIAL_RESULT, {}),
    "de_DE.UTF-8": ("617,17", "IRR = 12,000%, when NPV = 60000,239", {"LANGUAGE": "en"}),
    "fr_FR.UTF-8": ("617,17", "TRI = 12,000% pour une VAN de 60000,239", {}),
}


class App(e2e.Pellucor):
    """The program started in a given locale; remembers where its window was seen."""

    def __init__(self, session, exe, lang, **extra):
        self.s = session
        self.log = open(os.path.join(session.workdir, f"pellucor-{lang}.log"), "w")
        self.proc = session.spawn([exe], env=session.env(LC_ALL=lang, LANG=lang, **extra),
                                  stdout=self.log, stderr=self.log)
        # Sample the position from the first moment the window is visible, so a later move
        # (a visible jump) is seen.
        self.positions = []
        found = session.wait_for("the main window", lambda: session.visible_windows("Pellucor"), self.proc)
        check(len(found) == 1, f"expected one window titled Pellucor, found {len(found)}")
        self.window = found[0]
        deadline = time.monotonic() + 1.5
        while time.monotonic() < deadline:
            self.positions.append(client_position(session, self.window))
        session.xdo("windowfocus", "--sync", self.window)


def client_position(session, window):
    info = session.run("xwininfo", "-id", window)
    fields = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
    return (int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"]),
            int(fields["Width"]), int(fields["Height"]))


def frame_extents(session, window):
    out = session.run("xprop", "-id", window, "_NET_FRAME_EXTENTS", check_rc=False)
    if "=" not in out:
        return None
    left, right, top, bottom = (int(v) for v in out.split("=", 1)[1].split(","))
    return left, right, top, bottom


def screen_size(session):
    info = session.run("xwininfo", "-root")
    fields = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
    return int(fields["Width"]), int(fields["Height"])


def start_window_manager(session, config=None):
    argv = ["openbox", "--sm-disable"]
    if config:
        argv += ["--config-file", config]
    # A manager that has gone leaves its properties on the root, and openbox names its check
    # window before it has read its theme and can answer a request for frame extents: wait for
    # the theme's name, set anew.
    for name in ("_NET_SUPPORTING_WM_CHECK", "_OB_THEME"):
        session.run("xprop", "-root", "-remove", name, check_rc=False)
    wm = session.spawn(argv, env=session.env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    session.wait_for("the window manager",
                     lambda: "=" in session.run("xprop", "-root", "_OB_THEME", check_rc=False), wm)
    return wm


def centred(session, app, label):
    extents = session.wait_for("the frame extents", lambda: frame_extents(session, app.window), app.proc)
    left, right, top, bottom = extents
    check(top > 5, f"{label}: no title bar around the window (extents {extents})")
    x, y, width, height = client_position(session, app.window)
    frame_x, frame_y = x - left, y - top
    frame_w, frame_h = width + left + right, height + top + bottom
    screen_w, screen_h = screen_size(session)
    off_x = frame_x - (screen_w - frame_w) / 2
    off_y = frame_y - (screen_h - frame_h) / 2
    print(f"{label}: frame {frame_w} x {frame_h} at {frame_x}, {frame_y}; title bar {top} px; "
          f"off centre by {off_x:+.1f}, {off_y:+.1f}")
    check(abs(off_x) <= TOLERANCE and abs(off_y) <= TOLERANCE,
          f"{label}: the frame is {off_x:+.1f}, {off_y:+.1f} px off centre")
    moved = sorted(set(app.positions))
    check(moved == [(x, y, width, height)], f"{label}: the window moved after it appeared: {moved}")


def first_click(session, app, lang):
    payment, expected, _ = FIRST_CLICK[lang]
    app.copied("60000")  # focus in the first field, its text selected
    app.key("Tab", "Tab")
    app.copied(payment)
    app.click("cmdCalculate")
    app.copied(expected)
    print(f"{lang}: first click gives {expected!r}")


def to_clipboard(session, text, selection="clipboard"):
    # xclip stays as the selection's owner until another takes it or the display ends.
    subprocess.run(["xclip", "-selection", selection], input=text, text=True, env=session.env(),
                   timeout=e2e.PATIENCE, check=True)


def pasted_figures(session, app):
    expected = FIRST_CLICK["fr_FR.UTF-8"][1]
    # Copied from a spreadsheet cell: grouped with a narrow no-break space, ending in a line
    # break, which the field must not keep (the whole text, copied back, shows what it holds).
    for name, text in (("txtNPV", "60\u202f000\r\n"), ("txtPMT", "617,17\n")):
        to_clipboard(session, text)
        app.click(name)
        app.key("ctrl+v")
        app.key("ctrl+a")
        app.copied(text.rstrip())
    # The duration emptied, then pasted with the middle button from the primary selection.
    app.click("txtDuration")
    app.key("BackSpace")
    to_clipboard(session, "360\r\n", "primary")
    x, y = e2e.centre("txtDuration")
    session.xdo("mousemove", "--window", app.window, str(x), str(y), "click", "2")
    app.key("ctrl+a")
    app.copied("360")
    app.click("cmdCalculate")
    app.copied(expected)
    # Typed with the ordinary space between the groups.
    app.click("txtNPV")
    app.type("60 000")
    app.click("cmdCalculate")
    app.copied(expected)
    print("fr_FR.UTF-8: pasted '60\\u202f000\\r\\n', '617,17\\n' and, with the middle button, '360\\r\\n';"
          f" typed '60 000': {expected!r}")


def luminance(rgb):
    def channel(v):
        v /= 255
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(v) for v in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def text_contrast(session, shot, area):
    """The inkiest pixel of an area of a screenshot against the area's commonest colour."""
    x, y, w, h = area
    out = session.run("convert", shot, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-format", "%c", "histogram:info:-")
    counts = []
    for line in out.splitlines():
        m = re.match(r"\s*(\d+):\s*\(\s*(\d+),\s*(\d+),\s*(\d+)", line)
        if m:
            counts.append((int(m.group(1)), tuple(int(v) for v in m.group(2, 3, 4))))
    check(counts, f"no pixels read from {area} of {shot}")
    background = max(counts)[1]
    return max(contrast(colour, background) for _, colour in counts), background


def dark_large_desktop(session, exe, points=14):
    config = os.path.join(session.workdir, "config")
    os.makedirs(os.path.join(config, "qt6ct"), exist_ok=True)
    with open(os.path.join(config, "qt6ct", "qt6ct.conf"), "w") as f:
        f.write(QT6CT_CONFIG.format(colours=QT6CT_COLOURS, points=points))
    app = App(session, exe, "C.UTF-8", QT_QPA_PLATFORMTHEME="qt6ct", XDG_CONFIG_HOME=config)
    scale = points / DESIGNED_POINTS
    width, height = client_position(session, app.window)[2:]
    check(abs(width - 698 * scale) <= 1 and abs(height - 439 * scale) <= 1,
          f"at {points} pt the window is {width} x {height}, expected {698 * scale:.0f} x {439 * scale:.0f}")
    shot, _ = session.screenshot(app.window, f"window-dark-{points}pt.png")
    for number, (x, y, w, h) in enumerate(CAPTIONS, 1):
        area = tuple(round(v * scale) for v in (x, y, w, h))
        ratio, background = text_contrast(session, shot, area)
        check(ratio >= 4.5, f"caption {number}: contrast {ratio:.2f} against {background}")
        check(luminance(background) < 0.2, f"caption {number} stands on {background}, not the dark palette")
    # No access keys: Alt+C leaves the selected figure alone.
    app.key("alt+c")
    app.copied("60000")
    expected = FIRST_CLICK["C.UTF-8"][1]
    app.key("Tab", "Tab", "Tab", "Tab", "KP_Enter")
    app.copied(expected)
    # An edit empties the result line (and the clipboard takes the figure); Return on the
    # focused button fills the line again.
    app.key("shift+Tab", "shift+Tab", "shift+Tab", "1", "BackSpace", "0", "ctrl+a")
    app.copied("0")
    app.key("Tab", "Return")
    app.copied(expected)
    hints = session.run("xprop", "-id", app.window, "_MOTIF_WM_HINTS", "_NET_WM_ALLOWED_ACTIONS")
    values = [int(v, 0) for v in hints.split("=", 1)[1].split("\n")[0].split(",")]
    check(not values[1] & MWM_FUNC_MAXIMIZE and not values[2] & MWM_DECOR_MAXIMIZE,
          f"the window asks for a maximize box: {hints.strip()}")
    check("MAXIMIZE" not in hints, f"the window manager allows maximizing: {hints.strip()}")
    print(f"dark palette, {points} pt: window {width} x {height}, captions readable, keypad Enter and Return "
          f"press the focused button, Alt+C types nothing, no maximize offered")
    app.close()


def run(session, exe):
    session.start_xvfb()
    wm = start_window_manager(session)

    app = App(session, exe, "C.UTF-8")
    centred(session, app, "default title bar")
    first_click(session, app, "C.UTF-8")
    app.close()

    if os.path.exists(QT6CT_COLOURS):
        dark_large_desktop(session, exe)
    else:
        print("qt6ct is not installed: the dark desktop is not tried (run scripts/install-deps.sh test)")

    for lang in LOCALES:
        app = App(session, exe, lang, **FIRST_CLICK[lang][2])
        first_click(session, app, lang)
        if lang.startswith("fr"):
            pasted_figures(session, app)
        app.close()

    e2e.stop(wm)
    config = os.path.join(session.workdir, "tall-title.xml")
    with open(config, "w") as f:
        f.write(TALL_TITLE_CONFIG)
    start_window_manager(session, config)
    app = App(session, exe, "de_DE.UTF-8")
    centred(session, app, "tall title bar")
    app.close()


def main():
    args = e2e.arguments("directory to keep logs in")
    if e2e.missing_tools(TOOLS, "xvfb openbox xdotool xclip x11-utils"):
        return e2e.SKIP
    have = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.lower().replace("-", "")
    absent = [l for l in LOCALES if l.lower().replace("-", "") not in have.split()]
    if absent:
        print("SKIP: locales not generated:", ", ".join(absent), "(run scripts/install-deps.sh test)")
        return e2e.SKIP

    def body(workdir):
        with e2e.Session(workdir) as session:
            run(session, args.executable)

    return e2e.run_in_workdir("pellucor-desktop-", args.keep, body)


if __name__ == "__main__":
    sys.exit(main())
