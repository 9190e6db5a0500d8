#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

"""Drives the real pellucor executable on a private Xvfb display, as a user would: clicks and
Tab into the fields, types, presses "Calculate IRR", copies the result with Ctrl+C and reads
the clipboard; answers a validation box; closes the window. Every process it starts is ended
on the way out, whatever happens, and dies with it if the test itself is killed."""

import argparse
import ctypes
import ctypes.util
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
TOOLS = ["Xvfb", "xdotool", "xclip", "xwininfo", "xprop", "import", "identify", "convert", "compare"]
# Waits below only guard against a hang; nothing is asserted about how long anything takes.
PATIENCE = 20.0

TWIPS_PER_PIXEL = 15
# Containers' offsets in twips, window client coordinates.
FRAME1 = (188, 120)
FRAME3 = (188, 5400)
FRAME4 = (FRAME1[0] + 8040, FRAME1[1] + 120)
CONTROLS = {  # left, top, width, height in twips, in the container's coordinates
    "txtNPV": (FRAME1, 5520, 240, 2175, 285),
    "txtDuration": (FRAME1, 5520, 720, 2175, 285),
    "txtPMT": (FRAME1, 5520, 1200, 2175, 285),
    "txtClosingCost": (FRAME1, 5520, 1680, 2175, 285),
    "cmdCalculate": (FRAME4, 240, 240, 1575, 735),
    "txtResult": (FRAME3, 120, 360, 9825, 495),
    "cmdHelp": (FRAME4, 240, 1200, 1575, 495),
}
INPUTS = ["txtNPV", "txtDuration", "txtPMT", "txtClosingCost"]

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "data")


def read_table(name, fields):
    """Rows of a table in tests/data: one a line, fields separated by tabs, '#' lines left out."""
    rows = []
    with open(os.path.join(DATA, name), encoding="utf-8") as table:
        for line in table:
            line = line.rstrip("\r\n")
            if not line or line.startswith("#"):
                continue
            row = line.split("\t")
            if len(row) != fields:
                raise ValueError(f"{name}: row with {len(row)} fields, not {fields}: {line!r}")
            rows.append(row)
    if not rows:
        raise ValueError(f"{name}: no rows")
    return rows


def result_lines(*names):
    """(NPV, N, PMT, closing amount, result line) of the shared table's rows: all of them in its
    order, or those named, in the order named. The locale has point and comma."""
    rows = {row[0]: tuple(row[1:]) for row in read_table("result_lines.tsv", 6)}
    return [rows[name] for name in names] if names else list(rows.values())


def validation_message(name):
    """The text of the validation message of that name."""
    return {row[0]: row[2] for row in read_table("validation_messages.tsv", 3)}[name]


ROWS = result_lines("NegativeClosing", "FractionalMonths", "TopCandidate", "GroupedNpv", "SmallestWhole",
                    "NegativeRateBeyondTolerance")
# After the last row: NPV 1300 with a bad duration, then the duration corrected to 12.
_corrected = result_lines("NegativeRateWithinTolerance")[0]
CORRECTED = (_corrected[0], _corrected[1], _corrected[4])
INITIAL_RESULT = result_lines("InitialInputs")[0][4]
HELP_ADDRESS = "https://pellucor.org/library/pellucor/"

# A stand-in for the desktop's opener: records its pid, then sleeps and exits as told.
OPENER = """#!/bin/sh
dir=$(dirname "$0")
echo $$ >> "$dir/started"
read -r seconds code < "$dir/behaviour"
sleep "$seconds"
exit "$code"
"""


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def arguments(keep_help=None):
    """The executable under test, and --keep where the script can keep its logs."""
    parser = argparse.ArgumentParser()
    parser.add_argument("executable")
    if keep_help:
        parser.add_argument("--keep", help=keep_help)
    return parser.parse_args()


def missing_tools(tools, packages):
    """Prints the SKIP line naming the packages when any of the tools is not installed."""
    missing = [t for t in tools if shutil.which(t) is None]
    if missing:
        print("SKIP: missing:", ", ".join(missing), f"(packages {packages})")
    return bool(missing)


def stop(proc):
    """Ends a process politely, then firmly."""
    proc.terminate()
    try:
        proc.wait(5)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


def run_in_workdir(prefix, keep, body, log_prefix=""):
    """Runs body(workdir) in a fresh directory (or keep), ending the processes on ctest's
    SIGTERM too; on a failure prints it with the logs whose names start with log_prefix.
    Returns the exit status."""
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    workdir = keep or tempfile.mkdtemp(prefix=prefix)
    os.makedirs(workdir, exist_ok=True)
    try:
        body(workdir)
    except Failure as failure:
        print("FAIL:", failure)
        for name in sorted(os.listdir(workdir)):
            if name.startswith(log_prefix) and name.endswith(".log"):
                with open(os.path.join(workdir, name)) as log:
                    text = log.read().strip()
                if text:
                    print(f"--- {name}\n{text}")
        return 1
    finally:
        if not keep:
            shutil.rmtree(workdir, ignore_errors=True)
    return 0


def wait_for(what, probe, proc=None, step=0.05):
    """probe()'s first true value, failing after PATIENCE seconds or once proc has ended."""
    deadline = time.monotonic() + PATIENCE
    while True:
        value = probe()
        if value:
            return value
        if proc is not None and proc.poll() is not None:
            raise Failure(f"pellucor ended (status {proc.returncode}) while waiting for {what}")
        check(time.monotonic() < deadline, f"gave up waiting for {what}")
        time.sleep(step)


def centre(name, scale=1):
    (cx, cy), left, top, width, height = CONTROLS[name]
    x = (cx + left + width / 2) / TWIPS_PER_PIXEL
    y = (cy + top + height / 2) / TWIPS_PER_PIXEL
    return round(x * scale), round(y * scale)


def die_with_parent():
    # Runs in the child before exec: if the test is killed outright, the kernel ends the child.
    libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
    libc.prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


class Session:
    def __init__(self, workdir):
        self.workdir = workdir
        self.processes = []
        self.display = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        # The application first, so it does not complain about a vanished display.
        for proc in reversed(self.processes):
            if proc.poll() is None:
                stop(proc)
        return False

    def spawn(self, argv, **kw):
        proc = subprocess.Popen(argv, preexec_fn=die_with_parent, **kw)
        self.processes.append(proc)
        return proc

    def start_xvfb(self):
        read_end, write_end = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "2000x1400x24",
                    "-nolisten", "tcp", "-noreset"],
                   pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + PATIENCE
        while not number.endswith(b"\n"):
            left = deadline - time.monotonic()
            check(left > 0 and select.select([read_end], [], [], left)[0], "Xvfb did not start")
            chunk = os.read(read_end, 16)
            check(chunk, "Xvfb did not report its display")
            number += chunk
        os.close(read_end)
        self.display = ":" + number.decode().strip()

    def env(self, **extra):
        env = {k: v for k, v in os.environ.items()
               if not k.startswith("QT_") and k not in ("WAYLAND_DISPLAY", "LANGUAGE")}
        runtime = os.path.join(self.workdir, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env.update(DISPLAY=self.display, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8", LANG="C.UTF-8",
                   XDG_RUNTIME_DIR=runtime)
        env.update(extra)
        return env

    def run(self, *argv, check_rc=True):
        result = subprocess.run(argv, env=self.env(), capture_output=True, text=True, timeout=PATIENCE)
        if check_rc and result.returncode != 0:
            raise Failure(f"{' '.join(argv)} failed: {result.stderr.strip()}")
        return result.stdout

    def xdo(self, *args):
        self.run("xdotool", *args)

    def visible_windows(self, title):
        out = self.run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$", check_rc=False)
        return [w for w in out.split()]

    def wait_for(self, what, probe, app=None):
        return wait_for(what, probe, app, step=0.1)

    def clipboard(self):
        return self.run("xclip", "-selection", "clipboard", "-o", check_rc=False)

    def window_size(self, window):
        info = self.run("xwininfo", "-id", window)
        fields = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
        return int(fields["Width"]), int(fields["Height"])

    def screenshot(self, window, name):
        path = os.path.join(self.workdir, name)
        self.run("import", "-window", window, path)
        size = self.run("identify", "-format", "%w %h", path).split()
        return path, (int(size[0]), int(size[1]))

    def close_window(self, window):
        # What a window manager's close box does: a WM_DELETE_WINDOW message to the client.
        x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                   ctypes.c_void_p]
        x11.XFlush.argtypes = [ctypes.c_void_p]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

        class ClientMessage(ctypes.Structure):
            _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                        ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                        ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                        ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]

        dpy = x11.XOpenDisplay(self.display.encode())
        check(dpy, "cannot open the display to close the window")
        try:
            event = ClientMessage()
            event.type = 33  # ClientMessage
            event.window = int(window)
            event.message_type = x11.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
            event.format = 32
            event.data[0] = x11.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
            event.data[1] = 0  # CurrentTime
            check(x11.XSendEvent(dpy, int(window), 0, 0, ctypes.byref(event)), "XSendEvent failed")
            x11.XFlush(dpy)
        finally:
            x11.XCloseDisplay(dpy)


class Pellucor:
    """One running instance of the program and its main window."""

    def __init__(self, session, exe, scale=None, extra=None):
        self.s = session
        extra = dict(extra or {})
        if scale:
            extra["QT_SCALE_FACTOR"] = str(scale)
        self.log = open(os.path.join(session.workdir, f"pellucor-{scale or 1}.log"), "w")
        self.proc = session.spawn([exe], env=session.env(**extra), stdout=self.log, stderr=self.log)
        found = session.wait_for("the main window", lambda: session.visible_windows("Pellucor"), self.proc)
        check(len(found) == 1, f"expected one window titled Pellucor, found {len(found)}")
        self.window = found[0]
        session.xdo("windowfocus", "--sync", self.window)

    def click(self, name):
        x, y = centre(name)
        self.s.xdo("mousemove", "--window", self.window, str(x), str(y), "click", "1")

    def type(self, text):
        self.s.xdo("type", "--delay", "5", "--", text)

    def key(self, *keys):
        self.s.xdo("key", *keys)

    def copied(self, expected):
        """Presses Ctrl+C until the clipboard holds the expected text; returns what it holds."""
        seen = [None]

        def probe():
            self.key("ctrl+c")
            seen[0] = self.s.clipboard()
            return seen[0] == expected

        try:
            self.s.wait_for(f"the clipboard to read {expected!r}", probe, self.proc)
        except Failure:
            raise Failure(f"clipboard holds {seen[0]!r}, expected {expected!r}")
        return seen[0]

    def boxes(self):
        return [w for w in self.s.visible_windows("Pellucor") if w != self.window]

    def close(self):
        self.s.close_window(self.window)
        try:
            status = self.proc.wait(PATIENCE)
        except subprocess.TimeoutExpired:
            raise Failure("pellucor did not end after its window was closed")
        check(status == 0, f"pellucor ended with status {status}")


def user_session(session, exe):
    app = Pellucor(session, exe)

    size = session.window_size(app.window)
    check(size == (698, 439), f"client area is {size[0]} x {size[1]}, expected 698 x 439")
    shot, shot_size = session.screenshot(app.window, "window-1x.png")
    check(shot_size == (698, 439), f"screenshot is {shot_size[0]} x {shot_size[1]}, expected 698 x 439")

    # The program starts with the focus in the first field and its text selected.
    app.copied("60000")
    app.click("cmdCalculate")
    app.copied(INITIAL_RESULT)
    print("start-up values:", INITIAL_RESULT)

    texts = dict(zip(INPUTS, ("60000", "360", "617.17", "0")))

    def enter(name, text, by_tab=False):
        # Entering a field selects its whole text (what Ctrl+C then copies), so typing replaces it.
        if by_tab:
            app.key("Tab")
        else:
            app.click(name)
        app.copied(texts[name])
        app.type(text)
        texts[name] = text

    for number, (npv, n, pmt, closing, expected) in enumerate(ROWS):
        for position, (name, text) in enumerate(zip(INPUTS, (npv, n, pmt, closing))):
            # Odd rows move on from the first field with Tab, even rows click every field.
            enter(name, text, by_tab=number % 2 == 1 and position > 0)
        app.click("cmdCalculate")
        app.copied(expected)
        print(f"{npv} / {n} / {pmt} / {closing}:", expected)

    # A bad duration: the box titled Pellucor names it, and afterwards the field is selected
    # so typing replaces the bad text.
    enter("txtNPV", CORRECTED[0])
    enter("txtDuration", "abc")
    app.click("cmdCalculate")
    boxes = session.wait_for("the validation message box", app.boxes, app.proc)
    check(len(boxes) == 1, f"expected one message box, found {len(boxes)}")
    owner = session.run("xprop", "-id", boxes[0], "WM_TRANSIENT_FOR")
    check(int(owner.split("#")[-1], 16) == int(app.window), "the message box does not belong to the window")
    session.xdo("windowfocus", "--sync", boxes[0])
    app.key("Return")
    session.wait_for("the message box to close", lambda: not app.boxes(), app.proc)
    session.xdo("windowfocus", "--sync", app.window)
    app.copied("abc")  # the field at fault is left focused and selected
    app.type(CORRECTED[1])
    app.click("cmdCalculate")
    app.copied(CORRECTED[2])
    print("bad duration: message box shown and closed")

    app.close()
    print("closed: status 0")
    return shot


def scaled_session(session, exe, reference):
    app = Pellucor(session, exe, scale=2)
    size = session.window_size(app.window)
    check(size == (1396, 878), f"client area at scale 2 is {size[0]} x {size[1]}, expected 1396 x 878")
    shot, _ = session.screenshot(app.window, "window-2x.png")
    # Scaled back down, the 2x window must look like the 1x one: same layout, nothing moved.
    half = os.path.join(session.workdir, "window-2x-half.png")
    session.run("convert", shot, "-resize", "698x439!", half)
    result = subprocess.run(["compare", "-metric", "RMSE", reference, half, "null:"],
                            env=session.env(), capture_output=True, text=True, timeout=PATIENCE)
    rmse = float(result.stderr.split("(")[1].split(")")[0])
    print(f"scale 2: 1396 x 878, RMSE against 1x {rmse:.3f}")
    check(rmse < 0.12, f"the 2x window differs from the 1x window (RMSE {rmse:.3f})")
    app.close()


def process_alive(pid):
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except FileNotFoundError:
        return False


def help_session(session, exe):
    """Online Help through a slow opener: the window answers while the opener runs, its late
    failure brings the offer to copy the address, and closing the window while a request is
    pending ends the program at once, leaving the opener running."""
    bindir = os.path.join(session.workdir, "opener")
    os.makedirs(bindir, exist_ok=True)
    opener = os.path.join(bindir, "xdg-open")
    with open(opener, "w") as f:
        f.write(OPENER)
    os.chmod(opener, 0o755)
    started = os.path.join(bindir, "started")

    def behave(seconds, code):
        with open(os.path.join(bindir, "behaviour"), "w") as f:
            f.write(f"{seconds} {code}\n")

    def openers():
        try:
            with open(started) as f:
                return [int(line) for line in f if line.strip()]
        except FileNotFoundError:
            return []

    def ask_for_help(app):
        count = len(openers())
        app.click("cmdHelp")
        boxes = session.wait_for("the confirmation box", app.boxes, app.proc)
        session.xdo("windowfocus", "--sync", boxes[0])
        app.key("Return")
        session.wait_for("the opener to start", lambda: len(openers()) > count, app.proc)
        return openers()[-1]

    no_bus = "unix:path=" + os.path.join(session.workdir, "no-session-bus")
    app = Pellucor(session, exe, extra={"PATH": bindir + os.pathsep + os.environ.get("PATH", ""),
                                        "DBUS_SESSION_BUS_ADDRESS": no_bus})
    behave(4, 4)
    pid = ask_for_help(app)
    session.wait_for("the confirmation box to close", lambda: not app.boxes(), app.proc)
    session.xdo("windowfocus", "--sync", app.window)
    app.click("txtNPV")
    app.copied("60000")
    check(process_alive(pid), "the opener ended before the window was tried; make it slower")
    print("help: the window answered while the opener ran")
    boxes = session.wait_for("the offer to copy the address", app.boxes, app.proc)
    session.xdo("windowfocus", "--sync", boxes[0])
    app.key("Return")
    session.wait_for("the clipboard to hold the address", lambda: session.clipboard() == HELP_ADDRESS, app.proc)
    print("help: the opener's late failure offered the address, and Yes copied it")

    behave(30, 0)
    pid = ask_for_help(app)
    app.close()
    check(process_alive(pid), "the opener did not survive the program")
    os.killpg(pid, signal.SIGTERM)  # it leads a session of its own, with the sleep it waits on
    print("help: closed while a request was pending: status 0, the opener left running")


def main():
    args = arguments("directory to keep logs and screenshots in")
    if missing_tools(TOOLS, "xvfb xdotool xclip x11-utils imagemagick"):
        return SKIP

    def body(workdir):
        with Session(workdir) as session:
            session.start_xvfb()
            reference = user_session(session, args.executable)
            scaled_session(session, args.executable, reference)
            help_session(session, args.executable)

    return run_in_workdir("pellucor-e2e-", args.keep, body)


if __name__ == "__main__":
    sys.exit(main())
