#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

"""What a screen reader really receives: the real pellucor executable on a private Xvfb
display and a private session bus with the accessibility bus, its tree read over AT-SPI.
Every object is showing and named (the rule excepted), the hidden Debug button is absent,
only the first frame is called "Variables", and the controls have the roles a user expects.
Every process it starts is ended on the way out."""

import importlib.util
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pellucor_e2e as e2e  # noqa: E402

check = e2e.check
Failure = e2e.Failure
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

# (role, name) of what the user meets, in tree order below the window.
EXPECTED = [
    ("panel", "Variables"),
    ("label", "Net cash disbursement (Net PV or NPV) ="),
    ("text", "Net cash disbursement (Net PV or NPV)"),
    ("label", "Number of Months (N) ="),
    ("text", "Number of Months (N)"),
    ("label", "Monthly Payment (PMT) ="),
    ("text", "Monthly Payment (PMT)"),
    ("label", "Loan Balance + Penalties + Loan Closing Fees ="),
    ("text", "Loan Balance + Penalties + Loan Closing Fees"),
    ("separator", ""),
    ("panel", "Commands"),
    ("push button", "Calculate IRR"),
    ("push button", "Online Help"),
    ("panel", "Calculation Equation"),
    ("image", "Calculation equation"),
    ("panel", "Approximate Result"),
    ("text", "Approximate Result"),
]


def start_bus(session):
    read_end, write_end = os.pipe()
    session.spawn(["dbus-daemon", "--session", "--nofork", f"--print-address={write_end}"],
                  pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    address = b""
    deadline = time.monotonic() + e2e.PATIENCE
    while not address.endswith(b"\n"):
        check(time.monotonic() < deadline, "the session bus did not start")
        chunk = os.read(read_end, 256)
        check(chunk, "the session bus did not report its address")
        address += chunk
    os.close(read_end)
    return address.decode().strip()


def tree(pyatspi, node, depth=0, out=None):
    out = [] if out is None else out
    state = node.getState()
    out.append((depth, node.getRoleName(), node.name or "", state.contains(pyatspi.STATE_SHOWING)))
    for i in range(node.childCount):
        tree(pyatspi, node.getChildAtIndex(i), depth + 1, out)
    return out


def run(session, exe):
    session.start_xvfb()
    bus = start_bus(session)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus
    os.environ["DISPLAY"] = session.display
    session.spawn([LAUNCHER, "--launch-immediately"], env=session.env(DBUS_SESSION_BUS_ADDRESS=bus),
                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    log = open(os.path.join(session.workdir, "pellucor.log"), "w")
    app_proc = session.spawn([exe], env=session.env(DBUS_SESSION_BUS_ADDRESS=bus, QT_ACCESSIBILITY="1",
                                                    QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"),
                             stdout=log, stderr=log)

    import pyatspi  # only now: it connects to the bus named in the environment

    def find_app():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            child = desktop.getChildAtIndex(i)
            if child is not None and child.name == "Pellucor" and child.childCount > 0:
                window = child.getChildAtIndex(0)
                if window is not None and window.childCount >= 3:
                    return child
        return None

    app = session.wait_for("the program on the accessibility bus", find_app, app_proc)
    nodes = tree(pyatspi, app)
    for depth, role, name, showing in nodes:
        print(f"{'  ' * depth}{role}: {name!r}{'' if showing else ' (not showing)'}")

    window = nodes[1]
    check(window[1:3] == ("frame", "Pellucor"), f"the window reads as {window[1]!r} {window[2]!r}")
    below = [(role, name) for depth, role, name, _ in nodes[2:]]
    check(below == EXPECTED, "the tree differs from what the user sees")
    check(all(showing for *_, showing in nodes[1:]), "an object that is not showing is exposed")
    check(not any("Debug" in name for _, _, name, _ in nodes), "the hidden Debug button is exposed")
    app_proc.terminate()
    app_proc.wait(e2e.PATIENCE)


def main():
    args = e2e.arguments()
    if importlib.util.find_spec("pyatspi") is None:
        # The bindings come with the system's interpreter, which another one may shadow.
        system = "/usr/bin/python3"
        if os.path.realpath(sys.executable) != os.path.realpath(system) and os.path.exists(system):
            os.execv(system, [system, os.path.abspath(__file__)] + sys.argv[1:])
        print("SKIP: missing: pyatspi (package python3-pyatspi)")
        return e2e.SKIP
    if e2e.missing_tools(("Xvfb", "dbus-daemon", LAUNCHER), "xvfb dbus-daemon at-spi2-core"):
        return e2e.SKIP

    def body(workdir):
        with e2e.Session(workdir) as session:
            run(session, args.executable)

    return e2e.run_in_workdir("pellucor-a11y-", None, body)


if __name__ == "__main__":
    sys.exit(main())
