#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

"""Builds the Windows parts with mingw-w64 and runs them under Wine, one step per command:

  build   SOURCE BINARY WERROR          configure and build tests/wine/cross for Windows
  prefix  PREFIX                        a fresh Wine prefix: Wine's first start, timed
  lines   PREFIX LINUX_EXE WINDOWS_EXE COUNT EVERY
                                        result lines of both builds compared byte for byte; under
                                        Wine every EVERY-th loan is also searched by the loop
  shell   PREFIX WINDOWS_EXE STUB_DIR   the Windows shell layer, with a recording opener
  tests   PREFIX WINDOWS_EXE FILTER     the core's tests built for Windows
  stop    PREFIX                        ends the prefix's Wine processes

Every Wine step runs headless (no display), quiet, with bounded waits, and ends the prefix's
wineserver and the programs it still runs when it is done.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

HELP_ADDRESS = "https://pellucor.org/library/pellucor/"


def wine_env(prefix, extra_path=None):
    env = dict(os.environ)
    for name in ("DISPLAY", "WAYLAND_DISPLAY"):
        env.pop(name, None)
    env.update({
        "WINEPREFIX": prefix,
        "WINEARCH": "win64",
        "WINEDEBUG": "-all",
        # No offer to install Mono or Gecko on the first start.
        "WINEDLLOVERRIDES": "mscoree,mshtml=",
    })
    if extra_path:
        env["PATH"] = extra_path + os.pathsep + env.get("PATH", "")
    return env


def stop(prefix):
    if os.path.isdir(prefix):
        subprocess.run(["wineserver", "-k"], env=wine_env(prefix), timeout=30, check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=wine_env(prefix), timeout=30, check=False)


def run_wine(prefix, args, timeout, env=None, stdin=None):
    """Runs a Windows program; its output as bytes."""
    try:
        return subprocess.run(["wine"] + args, env=env or wine_env(prefix), stdin=stdin, capture_output=True,
                              timeout=timeout, check=False)
    finally:
        stop(prefix)


def build(source, binary, werror):
    started = time.monotonic()
    configure = ["cmake", "-S", os.path.join(source, "tests", "wine", "cross"), "-B", binary, "-G", "Ninja",
                 "-DCMAKE_TOOLCHAIN_FILE=" + os.path.join(source, "cmake", "mingw-w64-x86_64.cmake"),
                 "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DPELLUCOR_WERROR=" + werror]
    for command in (configure, ["cmake", "--build", binary]):
        if subprocess.run(command, check=False).returncode != 0:
            return 1
    print(f"Windows parts built in {time.monotonic() - started:.1f} s")
    return 0


def prefix_step(prefix):
    stop(prefix)
    shutil.rmtree(prefix, ignore_errors=True)
    started = time.monotonic()
    done = subprocess.run(["wineboot", "-i"], env=wine_env(prefix), capture_output=True, timeout=240, check=False)
    stop(prefix)
    print(f"Wine's first start (wineboot -i, wineserver ended): {time.monotonic() - started:.1f} s")
    if done.returncode != 0 or not os.path.isdir(os.path.join(prefix, "drive_c", "windows")):
        sys.stdout.write(done.stderr.decode(errors="replace"))
        return 1
    return 0


def first_difference(a, b):
    for number, (x, y) in enumerate(zip(a, b), 1):
        if x != y:
            return number, x, y
    return min(len(a), len(b)) + 1, b"(end)" if len(a) < len(b) else b"", b"(end)" if len(b) < len(a) else b""


def compare(what, linux, windows):
    linux_lines = linux.splitlines()
    windows_lines = windows.splitlines()
    same = sum(1 for x, y in zip(linux_lines, windows_lines) if x == y)
    print(f"{what}: {len(linux_lines)} lines on Linux, {len(windows_lines)} under Wine, {same} identical; "
          f"outputs {'byte-identical' if linux == windows else 'DIFFER'} ({len(linux)} bytes)")
    if linux != windows:
        number, x, y = first_difference(linux_lines, windows_lines)
        print(f"  first difference, line {number}:\n    Linux: {x.decode(errors='replace')}\n"
              f"    Wine:  {y.decode(errors='replace')}")
        return False
    return True


def lines(prefix, linux_exe, windows_exe, count, every):
    ok = True
    started = time.monotonic()
    for label, args in (("published rows and faulting searches", ["table"]),
                        ("generated loans", ["generate", "0x5eed", count])):
        linux = subprocess.run([linux_exe] + args, capture_output=True, timeout=300, check=False)
        windows = run_wine(prefix, [windows_exe] + args, timeout=300)
        ok &= linux.returncode == 0 and windows.returncode == 0
        ok &= compare(label, linux.stdout, windows.stdout)
        if args[0] == "generate":
            loans = linux.stdout
    with tempfile.TemporaryFile() as loans_file:
        loans_file.write(loans)
        loans_file.seek(0)
        # The Linux build's search is checked against the loop by its own tests.
        linux = subprocess.run([linux_exe, "lines", "0"], stdin=loans_file, capture_output=True, timeout=600,
                               check=False)
        loans_file.seek(0)
        windows = run_wine(prefix, [windows_exe, "lines", every], timeout=600, stdin=loans_file)
    for side, done in (("Linux", linux), ("Wine", windows)):
        if done.returncode != 0:
            print(f"{side}: the fast search and the loop disagree:\n{done.stderr.decode(errors='replace')}")
            ok = False
    ok &= compare("result lines of the generated loans", linux.stdout, windows.stdout)
    print(f"compared in {time.monotonic() - started:.1f} s")
    return 0 if ok else 1


def shell(prefix, windows_exe, stub_dir):
    log = os.path.join(os.path.dirname(prefix), "opener.log")
    if os.path.exists(log):
        os.remove(log)
    env = wine_env(prefix, extra_path=stub_dir)
    env["PELLUCOR_OPENER_LOG"] = log
    started = time.monotonic()
    try:
        done = subprocess.run(["wine", windows_exe], env=env, capture_output=True, timeout=120, check=False)
        sys.stdout.write(done.stdout.decode(errors="replace").replace("\r\n", "\n"))
        ok = done.returncode == 0
        # The browser launcher runs on its own; give it a bounded time to reach the opener.
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline and not os.path.exists(log):
            time.sleep(0.2)
        time.sleep(0.5)
    finally:
        stop(prefix)
    received = open(log).read().split("\n") if os.path.exists(log) else []
    received = [r for r in received if r]
    print(f"INFO the opener received: {received}")
    opened = HELP_ADDRESS in received
    print(f"{'PASS' if opened else 'FAIL'} the browser launcher hands the help address to xdg-open")
    print(f"ran in {time.monotonic() - started:.1f} s")
    return 0 if ok and opened else 1


def tests(prefix, windows_exe, gtest_filter):
    started = time.monotonic()
    done = run_wine(prefix, [windows_exe, "--gtest_brief=1", "--gtest_filter=" + gtest_filter], timeout=600)
    sys.stdout.write(done.stdout.decode(errors="replace").replace("\r\n", "\n"))
    sys.stdout.write(done.stderr.decode(errors="replace"))
    print(f"ran in {time.monotonic() - started:.1f} s")
    return done.returncode


def main(argv):
    command, args = argv[1], argv[2:]
    if command == "build":
        return build(*args)
    if command == "prefix":
        return prefix_step(*args)
    if command == "lines":
        return lines(*args)
    if command == "shell":
        return shell(*args)
    if command == "tests":
        return tests(*args)
    if command == "stop":
        stop(args[0])
        return 0
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
