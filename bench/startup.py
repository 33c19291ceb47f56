#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up of the lesson against a bare Qt Widgets window, side by side in one run.

For each program: the time from process start to its first painted frame and its peak resident
memory at that moment (medians over several runs, taken alternately so both see the same machine),
and the instructions executed up to that frame under callgrind (repeatable on a noisy machine).
Run it on an X display (bench/startup.sh starts one)."""
import os
import re
import statistics
import subprocess
import sys
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build-bench"
runs = int(os.environ.get("RUNS", "11"))
programs = {"bare window": os.path.join(build, "bench", "bench_bare"),
            "window + text": os.path.join(build, "bench", "bench_bare_text"),
            "lesson": os.path.join(build, "bench", "bench_lesson")}


def first_frame(path):
    start = time.monotonic_ns()
    out = subprocess.run([path], capture_output=True, text=True, timeout=60).stdout
    m = re.search(r"first-frame (\d+) peak-rss-kb (\d+)", out)
    if not m:
        sys.exit(f"{path} reported no first frame: {out!r}")
    return (int(m.group(1)) - start) / 1e6, int(m.group(2))


def instructions(path):
    err = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null", path],
                         capture_output=True, text=True, timeout=600).stderr
    m = re.search(r"Collected : (\d+)", err)
    if not m:
        sys.exit(f"callgrind gave no count for {path}: {err[-500:]}")
    return int(m.group(1))


for path in programs.values():  # warm the caches once
    first_frame(path)
times = {name: [] for name in programs}
memory = {name: [] for name in programs}
for _ in range(runs):
    for name, path in programs.items():
        ms, kb = first_frame(path)
        times[name].append(ms)
        memory[name].append(kb)
counts = {name: instructions(path) for name, path in programs.items()}

print(f"{'':24}{'first frame (ms)':>18}{'peak RSS (MiB)':>16}{'instructions (M)':>18}")
for name in programs:
    print(f"{name:24}{statistics.median(times[name]):18.1f}{statistics.median(memory[name]) / 1024:16.1f}"
          f"{counts[name] / 1e6:18.1f}")
for base in ("bare window", "window + text"):
    l = "lesson"
    print(f"{'lesson / ' + base:24}{statistics.median(times[l]) / statistics.median(times[base]):18.2f}"
          f"{statistics.median(memory[l]) / statistics.median(memory[base]):16.2f}{counts[l] / counts[base]:18.2f}")
print(f"(medians of {runs} runs each; instructions from one callgrind run each)")
