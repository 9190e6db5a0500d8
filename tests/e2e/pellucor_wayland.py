#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

"""Runs the real pellucor executable as a native Wayland client of a headless weston, with a
runtime directory, session bus and accessibility bus of its own, and drives it over AT-SPI:
sets the field texts, presses the buttons, reads the result field and the message boxes.

The headless backend has no seat, so no input reaches any window and nothing can click a
close box. The test closes the window the way a compositor asks a client to: it passes the
program's connection through a relay that adds one xdg_toplevel.close event to the stream.

Every process it starts is ended on the way out, whatever happens."""

import os
import re
import select
import signal
import socket
import subprocess
import sys
import threading
import time
import warnings

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pellucor_e2e as e2e  # noqa: E402

SKIP = e2e.SKIP
# Waits below only guard against a hang; nothing is asserted about how long anything takes.
PATIENCE = e2e.PATIENCE
SYSTEM_PYTHON = "/usr/bin/python3"
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
SIZE = (698, 439)
INITIAL = ("60000", "360", "617.17", "0")

# NPV, N, PMT, closing amount -> the result line, in a locale with point and comma: every row of
# the shared table but the start-up values, which are checked first.
ROWS = [row for row in e2e.result_lines() if row[:4] != INITIAL]
INITIAL_RESULT = e2e.INITIAL_RESULT
# Field number (NPV, N, PMT, closing amount), its bad text, the box's text.
BAD = [
    (0, "abc", e2e.validation_message("NpvNumber")),
    (1, "1000.5", e2e.validation_message("DurationRange")),
    (2, "-0.01", e2e.validation_message("PmtRange")),
    (3, "100000001", e2e.validation_message("ClosingRange")),
]
BUSY = "C A L C U L A T I N G . . ."

BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir={dir}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""


Failure = e2e.Failure
check = e2e.check


die_with_parent = e2e.die_with_parent
wait_for = e2e.wait_for


def message(object_id, opcode, *words):
    body = b"".join(w.to_bytes(4, sys.byteorder, signed=w < 0) for w in words)
    return object_id.to_bytes(4, sys.byteorder) + (((8 + len(body)) << 16) | opcode).to_bytes(4, sys.byteorder) + body


class Relay(threading.Thread):
    """Passes Wayland connections through, descriptors included, and can add events of the
    compositor's between two of its messages: a close request, or a configure asking for
    another size, whose acknowledgement it keeps from the compositor that never sent it."""

    FAKE_SERIAL = 0x7FFF0000  # far above the compositor's own serials

    def __init__(self, listen_path, upstream_path):
        super().__init__(daemon=True)
        self.upstream_path = upstream_path
        self.server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.server.bind(listen_path)
        self.server.listen(4)
        self.wake_r, self.wake_w = os.pipe()
        self.lock = threading.Lock()
        self.links = []  # [client, upstream, state]
        self.stopping = False

    def add_events(self, data, swallow_ack_of=None):
        with self.lock:
            check(self.links, "no client is connected through the relay")
            state = self.links[-1][2]
            state["inject"].append(data)
            if swallow_ack_of is not None:
                state["swallow"].add(swallow_ack_of)
        os.write(self.wake_w, b"x")

    def close_toplevel(self, toplevel):
        self.add_events(message(toplevel, 1))  # xdg_toplevel.close

    def ask_size(self, xdg_surface, toplevel, width, height):
        # xdg_toplevel.configure(width, height, states [maximized]), then xdg_surface.configure(serial)
        self.add_events(message(toplevel, 0, width, height, 4, 1) + message(xdg_surface, 0, self.FAKE_SERIAL),
                        swallow_ack_of=xdg_surface)

    def stop(self):
        self.stopping = True
        os.write(self.wake_w, b"x")
        self.join(5)
        for client, upstream, _ in self.links:
            client.close()
            upstream.close()
        self.server.close()

    @staticmethod
    def receive(source):
        data, ancillary, _, _ = source.recvmsg(65536, socket.CMSG_SPACE(28 * 4))
        fds = []
        for level, kind, payload in ancillary:
            if level == socket.SOL_SOCKET and kind == socket.SCM_RIGHTS:
                fds.extend(int.from_bytes(payload[i:i + 4], sys.byteorder)
                           for i in range(0, len(payload) - len(payload) % 4, 4))
        return data, fds

    @staticmethod
    def send(target, data, fds):
        rights = [(socket.SOL_SOCKET, socket.SCM_RIGHTS, b"".join(fd.to_bytes(4, sys.byteorder) for fd in fds))]
        sent = target.sendmsg([data], rights if fds else [])
        if sent < len(data):
            target.sendall(data[sent:])
        for fd in fds:
            os.close(fd)

    @staticmethod
    def split(buffer):
        messages, pos = [], 0
        while len(buffer) - pos >= 8:
            size = int.from_bytes(buffer[pos + 4:pos + 8], sys.byteorder) >> 16
            if size < 8 or len(buffer) - pos < size:
                break
            messages.append(buffer[pos:pos + size])
            pos += size
        return messages, buffer[pos:]

    def requests(self, client, upstream, state):
        data, fds = self.receive(client)
        if not data:
            raise OSError("client left")
        messages, state["requests"] = self.split(state["requests"] + data)
        kept = b"".join(m for m in messages if not self.swallowed(m, state))
        state["fds"] += fds
        if kept:
            self.send(upstream, kept, state["fds"])
            state["fds"] = []

    def swallowed(self, request, state):
        object_id = int.from_bytes(request[0:4], sys.byteorder)
        opcode = int.from_bytes(request[4:8], sys.byteorder) & 0xFFFF
        serial = int.from_bytes(request[8:12], sys.byteorder) if len(request) >= 12 else None
        # xdg_surface.ack_configure is request 4
        return object_id in state["swallow"] and opcode == 4 and serial == self.FAKE_SERIAL

    def events(self, client, upstream, state):
        data, fds = self.receive(upstream)
        if not data:
            raise OSError("compositor left")
        # Passed on at once; only the count of bytes to the next boundary is kept.
        self.send(client, data, fds)
        _, state["events"] = self.split(state["events"] + data)

    def run(self):
        while not self.stopping:
            with self.lock:
                links = list(self.links)
            watched = [self.server, self.wake_r] + [s for link in links for s in link[:2]]
            readable, _, _ = select.select(watched, [], [])
            if self.wake_r in readable:
                os.read(self.wake_r, 64)
            if self.server in readable:
                client, _ = self.server.accept()
                upstream = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
                upstream.connect(self.upstream_path)
                with self.lock:
                    self.links.append([client, upstream, {"requests": b"", "events": b"", "fds": [],
                                                          "inject": [], "swallow": set()}])
            for link in links:
                client, upstream, state = link
                try:
                    if client in readable:
                        self.requests(client, upstream, state)
                    if upstream in readable:
                        self.events(client, upstream, state)
                    with self.lock:
                        while state["inject"] and not state["events"]:
                            client.sendall(state["inject"].pop(0))
                except OSError:
                    with self.lock:
                        self.links.remove(link)
                    client.close()
                    upstream.close()


class Session:
    def __init__(self, workdir):
        self.workdir = workdir
        self.runtime = os.path.join(workdir, "runtime")
        os.makedirs(self.runtime, mode=0o700, exist_ok=True)
        self.processes = []
        self.relay = None
        self.bus_address = None
        self.weston_log = os.path.join(workdir, "weston.log")
        self.opened = os.path.join(workdir, "opened.txt")

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        for proc in reversed(self.processes):
            if proc.poll() is None:
                e2e.stop(proc)
        self.end_strays()
        if self.relay:
            self.relay.stop()
        return False

    def end_strays(self):
        # The bus launcher's daemons and the compositor's helpers are not our children; they all
        # carry this session's private runtime directory in their environment.
        marker = f"XDG_RUNTIME_DIR={self.runtime}".encode()
        for _ in range(50):
            strays = []
            for pid in filter(str.isdigit, os.listdir("/proc")):
                try:
                    with open(f"/proc/{pid}/environ", "rb") as env:
                        if marker in env.read().split(b"\0") and int(pid) != os.getpid():
                            strays.append(int(pid))
                except OSError:
                    pass
            if not strays:
                return
            for pid in strays:
                try:
                    os.kill(pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
            time.sleep(0.1)

    def base_env(self):
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "WAYLAND_", "DBUS_", "AT_SPI", "XDG_SESSION", "XDG_CURRENT"))
               and k not in ("DISPLAY", "LANGUAGE")}
        env.update(XDG_RUNTIME_DIR=self.runtime, LC_ALL="C.UTF-8", LANG="C.UTF-8")
        if self.bus_address:
            env["DBUS_SESSION_BUS_ADDRESS"] = self.bus_address
        return env

    def spawn(self, argv, **kw):
        proc = subprocess.Popen(argv, preexec_fn=die_with_parent, stdin=subprocess.DEVNULL, **kw)
        self.processes.append(proc)
        return proc

    def start_weston(self):
        socket_path = os.path.join(self.runtime, "weston")
        self.spawn(["weston", "--backend=headless-backend.so", "--socket=weston", "--idle-time=0",
                    "--no-config", "--logger-scopes=log,proto", f"--log={self.weston_log}"],
                   env=self.base_env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the compositor's socket", lambda: os.path.exists(socket_path))
        self.relay = Relay(os.path.join(self.runtime, "relay"), socket_path)
        self.relay.start()

    def start_buses(self):
        config = os.path.join(self.workdir, "session-bus.conf")
        with open(config, "w") as out:
            out.write(BUS_CONFIG.format(dir=self.runtime))
        bus = self.spawn(["dbus-daemon", f"--config-file={config}", "--nofork", "--print-address=1"],
                         env=self.base_env(), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        check(select.select([bus.stdout], [], [], PATIENCE)[0], "the session bus did not start")
        self.bus_address = bus.stdout.readline().decode().strip()
        check(self.bus_address, "the session bus gave no address")
        self.spawn([BUS_LAUNCHER, "--launch-immediately"], env=self.base_env(),
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.environ.update(DBUS_SESSION_BUS_ADDRESS=self.bus_address, XDG_RUNTIME_DIR=self.runtime)
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)

    def start_xvfb(self):
        read_end, write_end = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-noreset"],
                   pass_fds=(write_end,), env=self.base_env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            check(select.select([read_end], [], [], PATIENCE)[0], "Xvfb did not start")
            chunk = os.read(read_end, 16)
            check(chunk, "Xvfb did not report its display")
            number += chunk
        os.close(read_end)
        return ":" + number.decode().strip()

    def write_opener(self):
        bindir = os.path.join(self.workdir, "bin")
        os.makedirs(bindir, exist_ok=True)
        opener = os.path.join(bindir, "xdg-open")
        with open(opener, "w") as out:
            out.write(f"#!/bin/sh\nprintf '%s\\n' \"$1\" >> '{self.opened}'\nexit 0\n")
        os.chmod(opener, 0o755)
        return bindir

    def log_lines(self):
        try:
            with open(self.weston_log, errors="replace") as log:
                return log.read().splitlines()
        except FileNotFoundError:
            return []


class Pellucor:
    """One running instance and its accessible objects."""

    def __init__(self, session, exe, env_extra, label, on_wayland=True):
        from gi.repository import Atspi
        self.Atspi = Atspi
        self.s = session
        self.log_start = len(session.log_lines())
        self.log_path = os.path.join(session.workdir, f"pellucor-{label}.log")
        env = session.base_env()
        env.update(WAYLAND_DISPLAY="relay", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   PATH=session.write_opener() + os.pathsep + env.get("PATH", "/usr/bin:/bin"))
        env.update(env_extra)
        with open(self.log_path, "w") as log:
            self.proc = session.spawn([exe], env=env, stdout=log, stderr=log)
        self.app = wait_for("the program on the accessibility bus", self.find_app, self.proc)
        self.window = wait_for("the main window", lambda: self.top_level(lambda w: w.get_name() == "Pellucor"),
                               self.proc)
        self.toplevel = None
        if on_wayland:
            self.toplevel = wait_for("the window on the compositor", self.compositor_window, self.proc)
        texts = self.descendants(self.window, "text")
        check(len(texts) == 5, f"expected five text fields, found {len(texts)}")
        editable = [t for t in texts if not self.has_state(t, "read-only")]
        results = [t for t in texts if self.has_state(t, "read-only")]
        check(len(editable) == 4 and len(results) == 1, "expected four input fields and one read-only result")
        self.inputs, self.result = editable, results[0]
        buttons = {b.get_name(): b for b in self.descendants(self.window, "push button")}
        check({"Calculate IRR", "Online Help"} <= set(buttons), f"buttons found: {sorted(buttons)}")
        self.calculate, self.help = buttons["Calculate IRR"], buttons["Online Help"]

    def find_app(self):
        desktop = self.Atspi.get_desktop(0)
        desktop.clear_cache()
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            try:
                if app is not None and app.get_process_id() == self.proc.pid:
                    return app
            except Exception:
                pass
        return None

    def top_levels(self):
        """The program's windows with their roles; one that closes while it is looked at is left out."""
        from gi.repository import GLib
        self.app.clear_cache()
        windows = []
        for i in range(self.app.get_child_count()):
            try:
                window = self.app.get_child_at_index(i)
                if window is not None:
                    windows.append((window, window.get_role_name()))
            except GLib.GError:
                pass
        return windows

    def top_level(self, accept):
        for window, _ in self.top_levels():
            if accept(window):
                return window
        return None

    def descendants(self, node, role):
        found = []
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child.get_role_name() == role:
                found.append(child)
            found.extend(self.descendants(child, role))
        return found

    @staticmethod
    def has_state(node, nick):
        return nick in [s.value_nick for s in node.get_state_set().get_states()]

    def compositor_window(self):
        # The compositor's record of the requests: the first toplevel titled Pellucor after start,
        # its xdg_surface and its wl_surface.
        surfaces, toplevels = {}, {}
        for line in self.s.log_lines()[self.log_start:]:
            if m := re.search(r"client (0x[0-9a-f]+) rq xdg_wm_base@\d+\.get_xdg_surface\("
                              r"new id xdg_surface@(\d+), wl_surface@(\d+)\)", line):
                surfaces[m.group(1), int(m.group(2))] = int(m.group(3))
            elif m := re.search(r"client (0x[0-9a-f]+) rq xdg_surface@(\d+)\.get_toplevel\("
                                r"new id xdg_toplevel@(\d+)\)", line):
                toplevels[m.group(1), int(m.group(3))] = int(m.group(2))
            elif m := re.search(r'client (0x[0-9a-f]+) rq xdg_toplevel@(\d+)\.set_title\("Pellucor"\)', line):
                client, toplevel = m.group(1), int(m.group(2))
                xdg_surface = toplevels[client, toplevel]
                return {"client": client, "toplevel": toplevel, "xdg_surface": xdg_surface,
                        "surface": surfaces[client, xdg_surface]}
        return None

    def requests(self, obj, request):
        pattern = re.compile(rf"client {self.toplevel['client']} rq {obj}\.{request}\((.*)\)$")
        return [m.group(1) for line in self.s.log_lines()[self.log_start:] if (m := pattern.search(line))]

    def toplevel_requests(self, request):
        return self.requests(f"xdg_toplevel@{self.toplevel['toplevel']}", request)

    def text(self, node):
        return self.Atspi.Text.get_text(node, 0, -1)

    def set_text(self, node, text):
        check(self.Atspi.EditableText.set_text_contents(node, text), f"could not set {text!r}")

    def press(self, button):
        for i in range(self.Atspi.Action.get_n_actions(button)):
            if self.Atspi.Action.get_action_name(button, i) == "Press":
                check(self.Atspi.Action.do_action(button, i), f"pressing {button.get_name()} failed")
                return
        raise Failure(f"{button.get_name()} has no Press action")

    def selection(self, node):
        if self.Atspi.Text.get_n_selections(node) < 1:
            return None
        r = self.Atspi.Text.get_selection(node, 0)
        return r.start_offset, r.end_offset

    def boxes(self):
        return [window for window, role in self.top_levels() if role in ("alert", "dialog")]

    def box(self, what):
        boxes = wait_for(what, self.boxes, self.proc)
        check(len(boxes) == 1, f"expected one message box, found {len(boxes)}")
        box = boxes[0]
        check(box.get_name() == "Pellucor", f"the box is titled {box.get_name()!r}")
        labels = [label.get_name() for label in self.descendants(box, "label")]
        texts = [t for t in labels if t.strip()]
        buttons = {b.get_name(): b for b in self.descendants(box, "push button")}
        return texts, buttons

    def answer(self, buttons, name):
        self.press(buttons[name])
        wait_for("the message box to close", lambda: not self.boxes(), self.proc)

    def calculate_now(self):
        self.press(self.calculate)
        return wait_for("a result line", lambda: (t := self.text(self.result)) not in ("", BUSY) and t, self.proc)

    def close(self):
        self.s.relay.close_toplevel(self.toplevel["toplevel"])
        try:
            status = self.proc.wait(PATIENCE)
        except subprocess.TimeoutExpired:
            raise Failure("pellucor did not end after the compositor asked it to close its window")
        check(status == 0, f"pellucor ended with status {status}")

    def stderr(self):
        with open(self.log_path) as log:
            return log.read().strip()


def main_session(session, exe):
    app = Pellucor(session, exe, {"QT_QPA_PLATFORM": "wayland"}, "wayland")

    # The window: its title and fixed size as the compositor was told, and its size as shown.
    titles = app.toplevel_requests("set_title")
    check(titles == ['"Pellucor"'], f"window titles requested: {titles}")
    mins, maxs = app.toplevel_requests("set_min_size"), app.toplevel_requests("set_max_size")
    fixed = f"{SIZE[0]}, {SIZE[1]}"
    check(mins and maxs and mins[-1] == fixed and maxs[-1] == fixed,
          f"min size {mins[-1:]} and max size {maxs[-1:]}, expected both {fixed}")
    extents = app.Atspi.Component.get_extents(app.window, app.Atspi.CoordType.WINDOW)
    check((extents.width, extents.height) == SIZE, f"window is {extents.width} x {extents.height}")
    check(app.has_state(app.window, "showing"), "the window is not showing")
    check(app.requests(f"wl_surface@{app.toplevel['surface']}", "attach"), "the window's surface got no buffer")
    print(f"window: titled Pellucor, {SIZE[0]} x {SIZE[1]}, minimum = maximum = {fixed}")

    # Asked for another size, as a maximize or a drag on an edge would, it keeps its own.
    shown = app.requests(f"xdg_surface@{app.toplevel['xdg_surface']}", "set_window_geometry")
    session.relay.ask_size(app.toplevel["xdg_surface"], app.toplevel["toplevel"], 1000, 640)
    wait_for("the window to answer the new size", lambda: len(app.requests(
        f"xdg_surface@{app.toplevel['xdg_surface']}", "set_window_geometry")) > len(shown), app.proc)
    time.sleep(0.3)
    answers = app.requests(f"xdg_surface@{app.toplevel['xdg_surface']}", "set_window_geometry")
    check(set(answers[len(shown):]) == {shown[-1]}, f"asked for 1000 x 640, it answered {answers[len(shown):]}")
    extents = app.Atspi.Component.get_extents(app.window, app.Atspi.CoordType.WINDOW)
    check((extents.width, extents.height) == SIZE, f"after the request the window is {extents.width} x {extents.height}")
    print(f"asked for 1000 x 640 (maximized): stays {SIZE[0]} x {SIZE[1]}, geometry {shown[-1]}")

    texts = tuple(app.text(f) for f in app.inputs)
    check(texts == INITIAL, f"initial texts {texts}")
    check(app.text(app.result) == "", "the result field is not empty at start")
    first = app.calculate_now()
    check(first == INITIAL_RESULT, f"start-up values give {first!r}")
    check(app.selection(app.result) == (0, len(first)), "the result is not selected after the calculation")

    for *inputs, expected in ROWS:
        for field, text in zip(app.inputs, inputs):
            app.set_text(field, text)
        check(app.text(app.result) == "", f"editing the inputs left {app.text(app.result)!r}")
        got = app.calculate_now()
        check(got == expected, f"{inputs}: {got!r}, expected {expected!r}")
    print(f"{len(ROWS)} rows: every result line as expected")

    for number, bad, message in BAD:
        for field, text in zip(app.inputs, INITIAL):
            app.set_text(field, text)
        field = app.inputs[number]
        app.set_text(field, bad)
        app.press(app.calculate)
        texts, buttons = app.box(f"the box for {bad!r}")
        check(texts == [message], f"{bad!r}: the box says {texts}")
        check(list(buttons) == ["OK"], f"{bad!r}: the box has buttons {list(buttons)}")
        check(app.selection(field) == (0, len(bad)), f"{bad!r}: field selection {app.selection(field)}")
        app.answer(buttons, "OK")
        check(app.selection(field) == (0, len(bad)), f"{bad!r}: selection lost when the box closed")
        check(app.text(app.result) == "", "a result appeared after a refused input")
    titled = app.requests(r"xdg_toplevel@\d+", "set_title")
    owned = app.requests(r"xdg_toplevel@\d+", "set_parent")
    check(len(titled) == 1 + len(BAD) and owned == [f"xdg_toplevel@{app.toplevel['toplevel']}"] * len(BAD),
          f"{len(titled) - 1} boxes, parents {owned}")
    print(f"{len(BAD)} bad inputs: each box says its message, belongs to the window, its field selected")

    # Online Help: the address in the confirmation box and the tooltip is what the opener gets.
    tooltip = app.help.get_description()
    check(tooltip.startswith("Go to: "), f"help tooltip {tooltip!r}")
    address = tooltip[len("Go to: "):]
    app.press(app.help)
    texts, buttons = app.box("the help confirmation")
    expected = f"This program will open the following web page:\n\n{address}\n\nClick OK to continue."
    check(texts == [expected], f"the confirmation says {texts}")
    app.answer(buttons, "OK")

    def opened():
        try:
            with open(session.opened) as record:
                return record.read().splitlines()
        except FileNotFoundError:
            return None

    got = wait_for("the opener to be started", opened, app.proc)
    check(got == [address], f"the opener received {got}, expected {[address]}")
    # The opener said success: no fallback box may follow.
    time.sleep(1.0)
    check(not app.boxes(), "a box followed a successful opening")
    print(f"online help: confirmed, opener received {address}")

    app.close()
    check(app.stderr() == "", f"pellucor wrote to stderr:\n{app.stderr()}")
    print("closed by the compositor: status 0, nothing on stderr")


# Environments a desktop leaves behind, and where the program must come up: on the compositor,
# on the X display (":x" stands for a real one), or nowhere, with its own message and status 2
# instead of Qt's abort. No platform is named, so this is Qt's choice and the program's own.
LAUNCHES = [
    ("a Wayland session that also has an X display", {"XDG_SESSION_TYPE": "wayland", "DISPLAY": ":1999"}, "wayland"),
    ("WAYLAND_DISPLAY alone", {}, "wayland"),
    ("a compositor that is gone, an X display that is there", {"WAYLAND_DISPLAY": "gone", "DISPLAY": ":x"}, "x11"),
    ("a compositor that is gone", {"WAYLAND_DISPLAY": "gone"}, None),
    ("a Wayland session whose compositor is gone", {"WAYLAND_DISPLAY": "", "XDG_SESSION_TYPE": "wayland"}, None),
]


def launches(session, exe):
    for label, env, where in LAUNCHES:
        if env.get("DISPLAY") == ":x":
            env = dict(env, DISPLAY=session.start_xvfb())
        if where:
            app = Pellucor(session, exe, env, label.replace(" ", "-"), on_wayland=where == "wayland")
            got = app.calculate_now()
            check(got == INITIAL_RESULT, f"{label}: start-up values give {got!r}")
            if where == "wayland":
                app.close()
            else:
                check(app.compositor_window() is None, f"{label}: a window went to the compositor")
                app.proc.terminate()
                app.proc.wait(PATIENCE)
            check(app.stderr() == "", f"{label}: pellucor wrote to stderr:\n{app.stderr()}")
            print(f"{label}: on {where}, nothing on stderr")
        else:
            run_env = session.base_env()
            run_env.update(env)
            result = subprocess.run([exe], env=run_env, capture_output=True, text=True, timeout=PATIENCE)
            check(result.returncode == 2 and result.stderr.startswith("pellucor: no display found"),
                  f"{label}: status {result.returncode}, stderr {result.stderr.strip()!r}")
            print(f"{label}: no display found, status 2")


def main():
    args = e2e.arguments("directory to keep the logs in")

    try:
        import gi
        gi.require_version("Atspi", "2.0")
    except (ImportError, ValueError):
        # The accessibility bindings come with the system's Python, not with other installs.
        if os.path.exists(SYSTEM_PYTHON) and os.path.realpath(sys.executable) != os.path.realpath(SYSTEM_PYTHON):
            os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON] + sys.argv)
        print("SKIP: no AT-SPI bindings (packages python3-gi gir1.2-atspi-2.0)")
        return SKIP
    if e2e.missing_tools(("weston", "Xvfb", "dbus-daemon", BUS_LAUNCHER), "weston xvfb dbus-daemon at-spi2-core"):
        return SKIP

    # The action-name call is deprecated in newer libatspi; its replacement is missing in older.
    warnings.filterwarnings("ignore", category=DeprecationWarning, message=".*get_action_name")
    def body(workdir):
        with Session(workdir) as session:
            session.start_weston()
            session.start_buses()
            main_session(session, args.executable)
            launches(session, args.executable)

    started = time.monotonic()
    status = e2e.run_in_workdir("pellucor-wayland-", args.keep, body, log_prefix="pellucor-")
    if status == 0:
        print(f"done in {time.monotonic() - started:.1f} s")
    return status


if __name__ == "__main__":
    sys.exit(main())
