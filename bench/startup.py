#!/usr/bin/python3
"""Whole-process start-up time, measured against a bare Qt window.

    bench/startup.py [PROGRAM ...] [RUNS]
    bench/startup.py --bare build/zelmora-bench-barewindow build/zelmora old/zelmora 11

Each round starts, one after the other, the bare window (zelmora-bench-barewindow: a plain
QWidget of the splash's size), the bare window as the splash's kind of window (frameless splash,
fixed size, centred) and every PROGRAM, so that a change in the machine's load falls on all of
them alike. Each process reports when it first paints (and a program when its menu is shown)
with ZELMORA_STARTUP_TRACE; the time counts from the moment the process is started. The script
prints the medians and each program's ratio to the bare window.

By default everything runs on one virtual X server of its own (Xvfb) with a window manager
(openbox), as on a desktop; --display uses a running X server instead, and --offscreen Qt's
offscreen platform, with no X server at all.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

MILESTONES = ("splash-painted", "menu-shown")


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("programs", nargs="*", metavar="PROGRAM",
                        help="programs to time (default build/zelmora); a trailing number is RUNS")
    parser.add_argument("--runs", type=int, default=11, help="rounds (default 11)")
    parser.add_argument("--bare", help="the bare window program "
                        "(default: zelmora-bench-barewindow beside the first program)")
    where = parser.add_mutually_exclusive_group()
    where.add_argument("--display", help="an X server already running, with its window manager")
    where.add_argument("--offscreen", action="store_true", help="Qt's offscreen platform")
    arguments = parser.parse_args()
    if arguments.programs and arguments.programs[-1].isdigit():
        arguments.runs = int(arguments.programs.pop())
    if not arguments.programs:
        arguments.programs = ["build/zelmora"]
    if arguments.bare is None:
        arguments.bare = os.path.join(os.path.dirname(arguments.programs[0]) or ".",
                                      "zelmora-bench-barewindow")
    return arguments


class VirtualDesktop:
    """An Xvfb server on a free display, with openbox managing its windows."""

    def __enter__(self):
        for tool in ("Xvfb", "openbox"):
            if shutil.which(tool) is None:
                sys.exit(f"startup.py: {tool} is missing (make setup installs it)")
        self.folder = tempfile.mkdtemp(prefix="zelmora-startup-")
        read, write = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as displayfd:
            number = displayfd.readline().strip()
        if not number:
            sys.exit("startup.py: Xvfb did not start")
        self.display = f":{number}"
        # openbox runs its start-up command once it manages the screen.
        ready = os.path.join(self.folder, "ready")
        self.manager = subprocess.Popen(
            ["openbox", "--sm-disable", "--startup", f"touch {ready}"],
            env=dict(os.environ, DISPLAY=self.display),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 20
        while not os.path.exists(ready):
            if time.monotonic() > deadline or self.manager.poll() is not None:
                self.__exit__()
                sys.exit("startup.py: openbox did not start")
            time.sleep(0.02)
        return self.display

    def __exit__(self, *unused):
        for process in (self.manager, self.server):
            process.terminate()
            process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)


def time_once(command, env):
    """The milliseconds from starting the process to each milestone it reports."""
    start = time.monotonic_ns()
    result = subprocess.run(command, env=env, stderr=subprocess.PIPE, text=True, timeout=60)
    seen = {}
    for line in result.stderr.splitlines():
        parts = line.split()
        if len(parts) == 3 and parts[0] == "zelmora-trace" and parts[1] in MILESTONES:
            seen.setdefault(parts[1], (int(parts[2]) - start) / 1e6)
    if result.returncode != 0 or "splash-painted" not in seen:
        sys.exit(f"startup.py: {' '.join(command)} ended with {result.returncode}, "
                 f"reporting {sorted(seen)}:\n{result.stderr}")
    return seen


def measure(arguments, env):
    contenders = [("bare window", [arguments.bare]),
                  ("bare splash window", [arguments.bare, "--splash-window"])]
    contenders += [(program, [program]) for program in arguments.programs]
    figures = {name: {milestone: [] for milestone in MILESTONES} for name, _ in contenders}
    # One start of each first, so that every later run finds the files in the page cache.
    for _, command in contenders:
        time_once(command, env)
    for _ in range(arguments.runs):
        for name, command in contenders:
            for milestone, value in time_once(command, env).items():
                figures[name][milestone].append(value)
    return figures


def report(figures, runs):
    bare = statistics.median(figures["bare window"]["splash-painted"])
    print(f"start to first paint, median of {runs} alternating runs:")
    for name, milestones in figures.items():
        values = milestones["splash-painted"]
        median = statistics.median(values)
        print(f"  {name:28} {median:7.1f} ms  {median / bare:5.2f} times the bare window"
              f"  (min {min(values):.1f}, max {max(values):.1f})")
    for name, milestones in figures.items():
        if milestones["menu-shown"]:
            values = milestones["menu-shown"]
            print(f"start to menu shown, {name}: median {statistics.median(values):.0f} ms"
                  f" (min {min(values):.0f}, max {max(values):.0f})")


def main():
    arguments = parse_arguments()
    for program in [arguments.bare] + arguments.programs:
        if not os.access(program, os.X_OK):
            sys.exit(f"startup.py: {program} is not a program (build it first)")
    env = dict(os.environ, ZELMORA_STARTUP_TRACE="exit")
    if arguments.offscreen:
        env["QT_QPA_PLATFORM"] = "offscreen"
        print("platform: offscreen", flush=True)
        report(measure(arguments, env), arguments.runs)
        return
    env["QT_QPA_PLATFORM"] = "xcb"
    if arguments.display:
        env["DISPLAY"] = arguments.display
        print(f"platform: X11 on {arguments.display}", flush=True)
        report(measure(arguments, env), arguments.runs)
        return
    with VirtualDesktop() as display:
        env["DISPLAY"] = display
        print(f"platform: X11 on Xvfb {display} with openbox", flush=True)
        report(measure(arguments, env), arguments.runs)


if __name__ == "__main__":
    main()
