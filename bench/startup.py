#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up of the lesson against a bare Qt Widgets window and its first screen in plain Qt, side by side.

For each program: the time from process start to its first painted frame and its peak resident
memory at that moment (medians over several runs, taken alternately so both see the same machine),
and the instructions executed up to that frame under callgrind (repeatable on a noisy machine).
Run it on an X display (bench/startup.sh starts one)."""
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build-bench"
runs = int(os.environ.get("RUNS", "11"))
programs = {"bare window": os.path.join(build, "bench", "bench_bare"),
            "window + text": os.path.join(build, "bench", "bench_bare_text"),
            "bare first screen": os.path.join(build, "bench", "bench_bare_first_screen"),
            "bare f. s., pictures drawn": os.path.join(build, "bench", "bench_bare_first_screen"),
            "lesson": os.path.join(build, "bench", "bench_lesson"),
            "lesson, work kept": os.path.join(build, "bench", "bench_lesson"),
            "lesson, first start": os.path.join(build, "bench", "bench_lesson")}

# The lesson keeps a pupil's work in the state folder: none for "lesson", which starts as a new
# pupil's does; for "lesson, work kept" a pupil's work on the island, which the first frame offers
# back. Never the real home's. It keeps the pictures it has drawn in the cache folder: the lesson
# reads back those of an earlier start, as on every start but a pupil's first, which "lesson, first
# start" measures by emptying its cache folder before each run.
state = tempfile.TemporaryDirectory()
environments = {name: dict(os.environ, XDG_STATE_HOME=os.path.join(state.name, "none"),
                           XDG_CACHE_HOME=os.path.join(state.name, "cache")) for name in programs}
first_start_cache = os.path.join(state.name, "first-start-cache")
# The bare first screen reads its pictures from the folder it is told (its warm-up run writes them
# there), and draws them when told none.
bare_pictures = {"bare first screen": os.path.join(state.name, "bare-pictures")}
environments["lesson, first start"]["XDG_CACHE_HOME"] = first_start_cache
environments["lesson, work kept"]["XDG_STATE_HOME"] = os.path.join(state.name, "kept")
os.makedirs(os.path.join(state.name, "kept", "lapinar"))
with open(os.path.join(state.name, "kept", "lapinar", "work.json"), "w") as kept:
    kept.write('{"format": "Lapinar kept work", "version": 1, "screen": "Island", "reached": "GraphForm", '
               '"currentYear": 6, "graphVisited": false, "counted": [12, 15, 21, 30, 0, 0, 0, 0, 0, 0], '
               '"prediction": 3, "table": ["10", "14", "20", "42", "78", "", "", "", "", ""], '
               '"titleText": "Rabbits", "graphTitle": "Rabbits", "joined": true}\n')


def empty_cache(name):
    if name == "lesson, first start":
        shutil.rmtree(first_start_cache, ignore_errors=True)


def command(name):
    return [programs[name]] + ([bare_pictures[name]] if name in bare_pictures else [])


def first_frame(name):
    path = programs[name]
    empty_cache(name)
    start = time.monotonic_ns()
    out = subprocess.run(command(name), capture_output=True, text=True, timeout=60, env=environments[name]).stdout
    m = re.search(r"first-frame (\d+) peak-rss-kb (\d+)", out)
    if not m:
        sys.exit(f"{path} reported no first frame: {out!r}")
    return (int(m.group(1)) - start) / 1e6, int(m.group(2))


def instructions(name):
    path = programs[name]
    empty_cache(name)
    program = subprocess.Popen(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null"] + command(name),
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, env=environments[name])
    err = program.communicate(timeout=600)[1]
    # The program's own count: a child it forks (D-Bus starting a session bus when there is none)
    # reports one of its own, of the instructions up to the fork.
    m = re.search(rf"=={program.pid}== Collected : (\d+)", err)
    if not m:
        sys.exit(f"callgrind gave no count for {path}: {err[-500:]}")
    return int(m.group(1))


def keep_pictures():
    """Starts the lesson itself once, as a pupil's first start, and ends it once it has kept its pictures:
    it writes them after its first frame, when the benchmark's lesson has already ended."""
    # Its work, if it keeps any, goes elsewhere: the lesson measured starts as a new pupil's does.
    lesson = subprocess.Popen([os.path.join(build, "lapinar")],
                              env=dict(environments["lesson"], XDG_STATE_HOME=os.path.join(state.name, "warm-up")),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    pictures = os.path.join(environments["lesson"]["XDG_CACHE_HOME"], "lapinar", "pictures")
    deadline = time.monotonic() + 60
    # The icon is the last picture it keeps.
    while not (os.path.isdir(pictures) and any(f.startswith("icon-") for f in os.listdir(pictures))):
        if time.monotonic() > deadline or lesson.poll() is not None:
            sys.exit("the lesson kept no pictures")
        time.sleep(0.05)
    lesson.terminate()
    lesson.wait(timeout=60)


keep_pictures()
for name in programs:  # warm the caches once
    first_frame(name)
times = {name: [] for name in programs}
memory = {name: [] for name in programs}
for _ in range(runs):
    for name in programs:
        ms, kb = first_frame(name)
        times[name].append(ms)
        memory[name].append(kb)
counts = {name: instructions(name) for name in programs}

print(f"{'':32}{'first frame (ms)':>18}{'peak RSS (MiB)':>16}{'instructions (M)':>18}")
for name in programs:
    print(f"{name:32}{statistics.median(times[name]):18.1f}{statistics.median(memory[name]) / 1024:16.1f}"
          f"{counts[name] / 1e6:18.1f}")
for l, base, label in (("lesson", "bare window", "lesson / bare window"),
                       ("lesson", "window + text", "lesson / window + text"),
                       ("lesson", "bare first screen", "lesson / bare first screen"),
                       ("lesson, first start", "window + text", "first start / w. + text"),
                       ("lesson, first start", "bare f. s., pictures drawn", "first start / bare f. s. drawn")):
    print(f"{label:32}{statistics.median(times[l]) / statistics.median(times[base]):18.2f}"
          f"{statistics.median(memory[l]) / statistics.median(memory[base]):16.2f}{counts[l] / counts[base]:18.2f}")
for other, label in (("lesson, work kept", "work kept / lesson"), ("lesson, first start", "first start / lesson")):
    l, k = "lesson", other
    print(f"{label:32}{statistics.median(times[k]) / statistics.median(times[l]):18.2f}"
          f"{statistics.median(memory[k]) / statistics.median(memory[l]):16.2f}{counts[k] / counts[l]:18.2f}")
print(f"(medians of {runs} runs each; instructions from one callgrind run each)")
