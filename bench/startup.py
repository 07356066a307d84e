#!/usr/bin/python3
"""Whole-process start-up time: from the moment the process is started to the splash's first
paint and to the menu being shown, as the program reports them with ZELMORA_STARTUP_TRACE.

    bench/startup.py [BINARY] [RUNS]
"""
import os
import statistics
import subprocess
import sys
import time

binary = sys.argv[1] if len(sys.argv) > 1 else "build/zelmora"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 9
env = dict(os.environ, ZELMORA_STARTUP_TRACE="exit")
env.setdefault("QT_QPA_PLATFORM", "offscreen")

figures = {"splash-painted": [], "menu-shown": []}
for _ in range(runs):
    start = time.monotonic_ns()
    result = subprocess.run([binary], env=env, stderr=subprocess.PIPE, text=True, timeout=60)
    for line in result.stderr.splitlines():
        parts = line.split()
        if len(parts) == 3 and parts[0] == "zelmora-trace" and parts[1] in figures:
            figures[parts[1]].append((int(parts[2]) - start) / 1e6)

for milestone, values in figures.items():
    if len(values) != runs:
        sys.exit(f"{milestone}: seen in {len(values)} of {runs} runs")
    print(f"{milestone:15} median {statistics.median(values):7.1f} ms  "
          f"(min {min(values):.1f}, max {max(values):.1f}, {runs} runs)")
