#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pellucor developers
# SPDX-License-Identifier: MIT
"""Pellucor for Windows as a Windows user meets it, under Wine, one step per command:

  install   PREFIX INSTALLER LISTS_DIR      silent install: files, shortcut, Apps & features entry
  rows      PREFIX RESULT_LINES COUNT       the installed program driven with the keyboard: the
                                            table's rows and COUNT generated loans, then refused
                                            texts; result lines and boxes against the Linux core's
  help      PREFIX BROWSER                  Online Help to a browser registered in the prefix,
                                            then, with no program for web addresses, the offer box
  german    PREFIX LINUX_EXE                the prefix in German against the Linux program in German
  uninstall PREFIX                          silent uninstall: nothing of ours left behind
  startup   PREFIX EMPTY_EXE RUNS           times to the first window: Pellucor.exe, and an empty
                                            window of the same Qt (bench/floor_window.cpp)

Each step runs on its own Xvfb display with openbox (Wine's message boxes and Qt's take keys only
with a window manager) and ends every process it started, the prefix's included.
"""
import glob
import json
import os
import random
import re
import shutil
import subprocess
import sys
import time

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, here)
sys.path.insert(0, os.path.join(here, "..", "e2e"))
import pellucor_e2e as e2e  # noqa: E402
import wine_checks  # noqa: E402

check = e2e.check
Failure = e2e.Failure
HELP_ADDRESS = wine_checks.HELP_ADDRESS
OVERRIDES = wine_checks.wine_env("")["WINEDLLOVERRIDES"]
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pellucor"
TOOLS = ["Xvfb", "openbox", "xdotool", "xclip", "xprop", "wine", "wineserver"]
# Qt's message boxes put this between title, text and buttons when they copy themselves.
BOX_RULE = "---------------------------"


def user_dir(prefix):
    users = [d for d in glob.glob(os.path.join(prefix, "drive_c", "users", "*"))
             if os.path.basename(d) not in ("Public", "public")]
    check(len(users) == 1, f"expected one user in the prefix, found {users}")
    return users[0]


def install_dir(prefix):
    return os.path.join(user_dir(prefix), "AppData", "Local", "Programs", "Pellucor")


def shortcut(prefix):
    return os.path.join(user_dir(prefix), "AppData", "Roaming", "Microsoft", "Windows", "Start Menu", "Programs",
                        "Pellucor.lnk")


def snapshot(prefix):
    """Every file of drive C and every registry key, as sets of names."""
    wine_checks.stop(prefix)
    files = set()
    drive = os.path.join(prefix, "drive_c")
    for root, dirs, names in os.walk(drive):
        for name in dirs + names:
            files.add(os.path.relpath(os.path.join(root, name), drive))
    keys = set()
    for hive in ("user.reg", "system.reg", "userdef.reg"):
        path = os.path.join(prefix, hive)
        if os.path.exists(path):
            with open(path, encoding="utf-8", errors="replace") as f:
                keys |= {f"{hive}:{line.split(']')[0][1:]}" for line in f if line.startswith("[")}
    return {"files": sorted(files), "keys": sorted(keys)}


def reg_query(prefix, key, value=None):
    args = ["reg", "query", key] + (["/v", value] if value else [])
    done = subprocess.run(["wine"] + args, env=wine_checks.wine_env(prefix), capture_output=True, timeout=60,
                          check=False)
    return done.returncode, done.stdout.decode("utf-8", errors="replace").replace("\r\n", "\n")


def reg_value(prefix, key, value):
    code, out = reg_query(prefix, key, value)
    for line in out.splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[0] == value and parts[1].startswith("REG_"):
            return parts[2] if len(parts) == 3 else ""
    return None


def install_fonts(prefix):
    # Debian's Wine does not find the fonts of fonts-wine until they are in the prefix.
    fonts = os.path.join(prefix, "drive_c", "windows", "Fonts")
    os.makedirs(fonts, exist_ok=True)
    for font in glob.glob("/usr/share/wine/fonts/*"):
        target = os.path.join(fonts, os.path.basename(font))
        if not os.path.exists(target):
            shutil.copy(font, target)


def install(prefix, installer, lists_dir):
    install_fonts(prefix)
    before = snapshot(prefix)
    with open(os.path.join(os.path.dirname(prefix), "windows-before.json"), "w") as f:
        json.dump(before, f)
    started = time.monotonic()
    done = wine_checks.run_wine(prefix, [installer, "/S"], timeout=300)
    print(f"silent install: status {done.returncode}, {time.monotonic() - started:.1f} s")
    check(done.returncode == 0, f"the installer ended with status {done.returncode}")
    folder = install_dir(prefix)
    installed = sorted(os.path.relpath(os.path.join(r, n), folder) for r, _, ns in os.walk(folder) for n in ns)
    print(f"installed into {os.path.relpath(folder, prefix)}: {len(installed)} files")
    for name in ("Pellucor.exe", "Uninstall.exe", "qt.conf", os.path.join("platforms", "qwindows.dll")):
        check(name in installed, f"{name} is not installed")
    check(os.path.exists(shortcut(prefix)), "no Start menu shortcut")
    for value, pattern in (("DisplayName", r"Pellucor"), ("DisplayVersion", r"\d+\.\d\d\.\d{4}"),
                           ("Publisher", r".+"), ("DisplayIcon", r".*\\Pellucor\.exe,0"),
                           ("UninstallString", r'".*\\Uninstall\.exe"'),
                           ("QuietUninstallString", r'".*\\Uninstall\.exe" /S')):
        seen = reg_value(prefix, UNINSTALL_KEY, value)
        print(f"  Apps & features {value}: {seen}")
        check(seen is not None and re.fullmatch(pattern, seen), f"{value} is {seen!r}")
    # What the build left to Windows must be there: Wine's system folder stands for it.
    system32 = {n.lower() for n in os.listdir(os.path.join(prefix, "drive_c", "windows", "system32"))}
    with open(os.path.join(lists_dir, "system-dlls.txt")) as f:
        wanted = [line.strip() for line in f if line.strip()]
    missing = [dll for dll in wanted if dll not in system32]
    print(f"system DLLs imported: {len(wanted)}, missing from the system folder: {missing}")
    check(not missing, f"imports neither shipped nor part of Windows: {missing}")
    return 0


class WineSession(e2e.Session):
    """An Xvfb display with openbox, and the prefix's Wine programs on it."""

    def __init__(self, workdir, prefix):
        super().__init__(workdir)
        self.prefix = prefix

    def __enter__(self):
        self.start_xvfb()
        self.spawn(["openbox", "--sm-disable"], env=self.env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wait_for("the window manager", lambda: "=" in self.run("xprop", "-root", "_OB_THEME", check_rc=False))
        return self

    def __exit__(self, *exc):
        wine_checks.stop(self.prefix)
        return super().__exit__(*exc)

    def wine_env(self, **extra):
        env = wine_checks.wine_env(self.prefix)
        env.update(DISPLAY=self.display, LC_ALL="C.UTF-8", LANG="C.UTF-8")
        env.update(extra)
        return env


class App(e2e.Pellucor):
    """One run of a program whose window is titled Pellucor: the installed Pellucor.exe under Wine
    or, for comparison, the Linux build."""

    def __init__(self, session, argv, env, log_name):
        self.s = session
        self.log = open(os.path.join(session.workdir, log_name), "w")
        self.proc = session.spawn(argv, env=env, stdout=self.log, stderr=self.log)
        found = session.wait_for("the main window", lambda: session.visible_windows("Pellucor"), self.proc)
        check(len(found) == 1, f"expected one window titled Pellucor, found {len(found)}")
        self.window = found[0]
        self.focus()

    def focus(self):
        self.s.xdo("windowactivate", "--sync", self.window)

    def read(self, what):
        """Ctrl+C until the clipboard changes from a marker; what it then holds."""
        marker = "-- nothing copied --"
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=marker.encode(), env=self.s.env(),
                       timeout=10, check=True)
        seen = [marker]

        def probe():
            self.key("ctrl+c")
            time.sleep(0.1)
            seen[0] = self.s.clipboard()
            return seen[0] != marker

        self.s.wait_for(f"{what} on the clipboard", probe, self.proc)
        return seen[0].replace("\r\n", "\n")

    def box(self):
        """The one box open over the window: its text as copied (title, text, buttons)."""
        boxes = self.s.wait_for("a message box", self.boxes, self.proc)
        check(len(boxes) == 1, f"expected one message box, found {len(boxes)}")
        self.s.xdo("windowactivate", "--sync", boxes[0])
        copied = self.read("the box's text")
        parts = [p.strip("\n") for p in copied.split(BOX_RULE)]
        parts = [p for p in parts if p != ""]
        check(len(parts) >= 3, f"not a message box's copy: {copied!r}")
        return parts[0], parts[1], parts[-1].split()

    def answer(self, key="Return"):
        self.key(key)
        self.s.wait_for("the box to close", lambda: not self.boxes(), self.proc)
        self.focus()

    def enter_row(self, texts):
        """From the first field, its text selected: the four texts, Tab between, then Calculate."""
        for k, text in enumerate(texts):
            if k:
                self.key("Tab")
            # Entering a field selects its text, but a window activated a moment ago may not
            # have placed its focus yet; typing must replace, never append.
            self.key("ctrl+a")
            self.type(text)
        self.key("Tab", "space")

    def to_first_field(self):
        # The result field is the last stop; the first field follows it.
        self.key("Tab")

    def end(self):
        self.close()


def box_line(text):
    return text.replace("\n", "/")


def start_installed(session, log_name="pellucor-wine.log", **env):
    exe = os.path.join(install_dir(session.prefix), "Pellucor.exe")
    return App(session, ["wine", exe], session.wine_env(**env), log_name)


def generated_rows(seed, count):
    """Loans as a user types them: amounts with or without cents, whole and half months, payments
    near an annuity's and some far off it, closing sums of either sign."""
    draw = random.Random(seed)
    rows = []
    for _ in range(count):
        months = draw.choice([draw.randint(1, 1000), draw.randint(12, 480), draw.randint(12, 360) + 0.5])
        npv = max(1.0, round(10 ** draw.uniform(0, 8), draw.choice([0, 2])))
        rate = draw.uniform(0.0001, 0.04)
        payment = npv * rate / (1 - (1 + rate) ** -months) * draw.choice([1, 1, draw.uniform(0.2, 3)])
        closing = draw.choice([0, 0, npv * draw.uniform(-0.5, 1.5)])
        texts = [f"{npv:.2f}".removesuffix(".00"), f"{months:g}", f"{payment:.2f}", f"{closing:.2f}"]
        rows.append(["0" if t == "-0.00" else t for t in texts])
    return rows


def linux_lines(result_lines, rows):
    feed = "".join(" | ".join(r) + "\n" for r in rows)
    done = subprocess.run([result_lines, "fields"], input=feed.encode(), capture_output=True, timeout=60, check=True)
    return done.stdout.decode().splitlines()


# Texts the window refuses, one field at fault each, with the field the refusal selects.
REFUSED = [
    (["1300", "abc", "100", "0"], 1),
    (["0", "12", "100", "0"], 0),
    (["60000", "1,000,000", "617.17", "0"], 1),
    (["60000", "360", "x", "0"], 2),
    (["60000", "360", "617.17", "1e"], 3),
]


def rows_step(prefix, result_lines, count, workdir):
    table = subprocess.run([result_lines, "table"], capture_output=True, timeout=60, check=True)
    # The rows of field texts; the searches that follow them are given as bits.
    published = [line.split(" -> ")[0].split(" | ") for line in table.stdout.decode().splitlines()
                 if " | " in line.split(" -> ")[0]]
    seed = int(os.environ.get("PELLUCOR_WINE_SEED", "20261209"))
    rows = published + generated_rows(seed, int(count))
    expected = linux_lines(result_lines, rows)
    refused_expected = linux_lines(result_lines, [texts for texts, _ in REFUSED])
    print(f"{len(published)} rows of the table and {int(count)} generated loans (seed {seed})")
    with WineSession(workdir, prefix) as session:
        app = start_installed(session)
        same = 0
        for texts, want in zip(rows, expected):
            app.enter_row(texts)
            result = app.read("the result")
            line = " | ".join(texts) + " -> " + result
            if line != want:
                raise Failure(f"result lines differ:\n  Linux: {want}\n  Wine:  {line}")
            same += 1
            app.to_first_field()
        print(f"PASS {same} result lines byte-identical to the Linux build's")
        for (texts, field), want in zip(REFUSED, refused_expected):
            app.enter_row(texts)
            title, text, buttons = app.box()
            line = " | ".join(texts) + " -> "
            style = re.search(r"\[box (\d+): ", want)
            # The box's text as the core words it; its style's buttons: OK only (0).
            got = f"{line} [box {style.group(1) if style else '?'}: {box_line(text)}]"
            check(title == "Pellucor", f"the box is titled {title!r}")
            check(got == want and buttons == ["OK"], f"refusal differs:\n  Linux: {want}\n  Wine:  {got} {buttons}")
            app.answer()
            # The field at fault has the focus, its text selected.
            selected = app.read("the field at fault")
            check(selected == texts[field], f"after the box the selection is {selected!r}, not {texts[field]!r}")
            for _ in range(7 - field):
                app.key("Tab")
        print(f"PASS {len(REFUSED)} refused texts: the same box as on Linux, the field at fault selected")
        app.end()
        print("closed: status 0")
    return 0


def help_step(prefix, browser, workdir):
    log = os.path.join(workdir, "browser.log")
    env = wine_checks.wine_env(prefix)
    saved = os.path.join(workdir, "classes.reg")
    subprocess.run(["wine", "reg", "export", r"HKLM\Software\Classes\https", saved, "/y"], env=env,
                   capture_output=True, timeout=60, check=False)
    # Wine reads the classes of the machine only; the prefix is this test's own.
    browser_unix = os.path.abspath(browser)
    browser = "Z:" + browser_unix.replace("/", "\\")
    subprocess.run(["wine", "reg", "add", r"HKLM\Software\Classes\https\shell\open\command", "/ve", "/d",
                    f'"{browser}" "%1"', "/f"], env=env, capture_output=True, timeout=60, check=True)
    wine_checks.stop(prefix)
    try:
        with WineSession(workdir, prefix) as session:
            app = start_installed(session, PELLUCOR_BROWSER_LOG=log)
            app.key("Tab", "Tab", "Tab", "Tab", "Tab", "space")  # to Online Help
            title, text, buttons = app.box()
            print(f"help asks: {box_line(text)} {buttons}")
            app.answer("Return")
            opened = session.wait_for("the browser to be started",
                                      lambda: os.path.exists(log) and open(log).read().split("\n")[0])
            check(opened == HELP_ADDRESS, f"the browser was given {opened!r}")
            print(f"PASS the registered browser was started with {opened}")
            app.end()
        # No program for web addresses: Windows' Open With dialog is started for the address
        # (Wine's shows nothing, so the stand-in takes the place of the program that starts it).
        subprocess.run(["wine", "reg", "delete", r"HKLM\Software\Classes\https", "/f"], env=env, capture_output=True,
                       timeout=60, check=True)
        wine_checks.stop(prefix)
        rundll = os.path.join(prefix, "drive_c", "windows", "system32", "rundll32.exe")
        os.rename(rundll, rundll + ".away")
        try:
            shutil.copy(browser_unix, rundll)
            os.remove(log)
            with WineSession(workdir, prefix) as session:
                # Wine prefers its own built-in programs to files in the system folder.
                app = start_installed(session, log_name="pellucor-noassoc.log", PELLUCOR_BROWSER_LOG=log,
                                      WINEDLLOVERRIDES=OVERRIDES + ";rundll32.exe=n")
                app.key("Tab", "Tab", "Tab", "Tab", "Tab", "space")
                app.box()
                app.answer("Return")
                started = session.wait_for("the Open With start",
                                           lambda: os.path.exists(log) and open(log).read().split("\n")[:2] == [
                                               "shell32.dll,OpenAs_RunDLL", HELP_ADDRESS] and open(log).read())
                print(f"PASS with no association Open With is started: rundll32 {' '.join(started.split())}")
                check(not app.boxes(), "a box came up although Open With started")
                app.end()
            os.remove(rundll)
            # Nor an Open With dialog: the user is offered the address to copy.
            with WineSession(workdir, prefix) as session:
                app = start_installed(session, log_name="pellucor-noopenwith.log",
                                      WINEDLLOVERRIDES=OVERRIDES + ";rundll32.exe=")
                app.key("Tab", "Tab", "Tab", "Tab", "Tab", "space")
                app.box()
                app.answer("Return")
                title, text, buttons = app.box()
                print(f"nothing opens it: {box_line(text)} {buttons}")
                check(HELP_ADDRESS in text, "the offer box does not name the address")
                app.answer("Return")
                copied = session.wait_for("the address on the clipboard",
                                          lambda: session.clipboard().strip() == HELP_ADDRESS and session.clipboard())
                print(f"PASS with nothing to open it the offer box's Yes copied {copied.strip()}")
                app.end()
        finally:
            os.rename(rundll + ".away", rundll)
    finally:
        # Wine's own handler back, for the shell layer's test that shares the prefix.
        env = wine_checks.wine_env(prefix)
        if os.path.exists(saved):
            subprocess.run(["wine", "reg", "import", saved], env=env, capture_output=True, timeout=60, check=False)
        wine_checks.stop(prefix)
    return 0


def catalogue_translation(language, source):
    """The translation of source in translations/pellucor_LANGUAGE.ts, or None."""
    path = os.path.join(here, "..", "..", "translations", f"pellucor_{language}.ts")
    if not os.path.exists(path):
        return None
    import xml.etree.ElementTree as ElementTree
    for message in ElementTree.parse(path).iter("message"):
        translation = message.find("translation")
        if message.findtext("source") == source and translation is not None and translation.text:
            return translation.text
    return None


def german_step(prefix, linux_exe, workdir):
    german = {"LC_ALL": "de_DE.UTF-8", "LANG": "de_DE.UTF-8", "LANGUAGE": "de"}

    def observe(app, with_box):
        seen = {"first field": app.read("the first field")}
        app.key("Tab", "Tab", "Tab", "Tab", "space")
        seen["result"] = app.read("the result")
        if with_box:
            app.key("Tab", "Tab")
            app.type("abc")
            app.key("Tab", "Tab", "Tab", "space")
            seen["box"] = app.box()
            app.answer()
        app.end()
        return seen

    wine_checks.stop(prefix)
    with WineSession(workdir, prefix) as session:
        windows = observe(start_installed(session, "pellucor-de.log", **german), True)
        # Qt copies message boxes only on Windows: the Linux program gives its fields.
        linux = observe(App(session, [linux_exe], session.env(**german), "pellucor-linux-de.log"), False)
    for what in ("first field", "result"):
        print(f"German {what}: Wine {windows[what]!r}, Linux {linux[what]!r}")
        check(windows[what] == linux[what], f"the German {what} under Wine differs from the Linux one")
    check("," in windows["result"], "the result is not in German number forms")
    print("PASS German number forms, as on Linux")
    english = "Please enter correct duration (Number of Months)."
    wanted = catalogue_translation("de", english)
    title, text, buttons = windows["box"]
    print(f"German box: {title}: {box_line(text)} {buttons}")
    if wanted is None:
        print("NOTE the German catalogue has no translation of this text yet: the box is checked in English")
        check(text == english, f"the box reads {text!r}")
    else:
        check(text == wanted, f"the box reads {text!r}, the German catalogue {wanted!r}")
        print("PASS the box in German, from the German catalogue")
    return 0


def uninstall(prefix):
    with open(os.path.join(os.path.dirname(prefix), "windows-before.json")) as f:
        before = json.load(f)
    folder = install_dir(prefix)
    uninstaller = os.path.join(folder, "Uninstall.exe")
    check(os.path.exists(uninstaller), "no uninstaller")
    started = time.monotonic()
    env = wine_checks.wine_env(prefix)
    done = subprocess.run(["wine", uninstaller, "/S"], env=env, capture_output=True, timeout=300, check=False)
    # The uninstaller hands over to a copy of itself in the temporary folder and returns: wait for
    # that copy, whose own removal Windows does on the next restart.
    subprocess.run(["wineserver", "-w"], env=env, timeout=300, check=False)
    subprocess.run(["wineboot", "-r"], env=env, capture_output=True, timeout=120, check=False)
    after = snapshot(prefix)
    print(f"silent uninstall: status {done.returncode}, {time.monotonic() - started:.1f} s")
    added_files = sorted(set(after["files"]) - set(before["files"]))
    added_keys = sorted(set(after["keys"]) - set(before["keys"]))
    ours = [f for f in added_files if "pellucor" in f.lower() or f.lower().endswith(".tmp")]
    our_keys = [k for k in added_keys if "pellucor" in k.lower()]
    print(f"left behind: files {added_files[:20]}, registry keys {added_keys[:20]}")
    check(done.returncode == 0, f"the uninstaller ended with status {done.returncode}")
    check(not ours and not os.path.exists(folder), f"files of ours left: {ours}")
    check(not our_keys, f"registry keys of ours left: {our_keys}")
    code, _ = reg_query(prefix, UNINSTALL_KEY)
    check(code != 0, "the Apps & features entry is still there")
    print("PASS no file and no registry key of ours left")
    return 0


def startup(prefix, plain_exe, runs, workdir):
    """Seconds from starting the program to its window being mapped; no pass or fail."""
    exe = os.path.join(install_dir(prefix), "Pellucor.exe")
    plain_dir = os.path.join(install_dir(prefix) + "-plain")
    shutil.copytree(install_dir(prefix), plain_dir, dirs_exist_ok=True)
    shutil.copy(plain_exe, os.path.join(plain_dir, "plain.exe"))
    try:
        with WineSession(workdir, prefix) as session:
            for label, program, title in (("Pellucor.exe", exe, "Pellucor"),
                                          ("empty window", os.path.join(plain_dir, "plain.exe"), "Empty window")):
                times = []
                # The first run starts Wine's server and services too.
                wine_checks.stop(prefix)
                for _ in range(int(runs) + 1):
                    started = time.monotonic()
                    proc = session.spawn(["wine", program], env=session.wine_env(), stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
                    e2e.wait_for(f"{label}'s window", lambda: session.visible_windows(title), proc, step=0.02)
                    times.append(time.monotonic() - started)
                    for window in session.visible_windows(title):
                        session.close_window(window)
                    proc.wait(30)
                warm = sorted(times[1:])
                print(f"{label}: cold (wineserver started) {times[0]:.2f} s; warm median {warm[len(warm) // 2]:.2f} s, "
                      f"min {warm[0]:.2f} s, max {warm[-1]:.2f} s over {len(warm)} runs")
    finally:
        shutil.rmtree(plain_dir, ignore_errors=True)
    return 0


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    command, prefix, args = argv[1], argv[2], argv[3:]
    if any(shutil.which(t) is None for t in TOOLS):
        print("SKIP: missing one of", ", ".join(TOOLS))
        return e2e.SKIP
    if command in ("install", "uninstall"):
        try:
            return install(prefix, *args) if command == "install" else uninstall(prefix)
        except Failure as failure:
            print("FAIL:", failure)
            return 1
        finally:
            wine_checks.stop(prefix)
    steps = {"rows": rows_step, "help": help_step, "german": german_step, "startup": startup}
    if command not in steps:
        print(__doc__)
        return 2
    return e2e.run_in_workdir(f"pellucor-wine-{command}-", os.environ.get("PELLUCOR_KEEP"),
                              lambda workdir: steps[command](prefix, *args, workdir), log_prefix="pellucor")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
