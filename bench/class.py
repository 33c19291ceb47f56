#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A class on one machine: N lessons started at the same moment on one X display, each pupil with
folders of their own, as on a school's terminal server.

Reports, for a first start (empty folders: the pictures are drawn and kept) and a later start (the
pictures kept, and the work kept on the island, which the first screen offers back): the time from
the first process started until the X server has mapped every lesson's window, and the proportional
memory (PSS, so that the libraries the lessons share are counted once between them) of all of them
once they are idle at their first screen. Then every lesson carries on to the island, where rabbits
pop up, and the processor time they use together over 10 s is reported.

Run on its own X display (bench/class.sh starts one, with a session bus)."""
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build-bench/lapinar")
count = int(sys.argv[2]) if len(sys.argv) > 2 else 30
island_seconds = 10
root = tempfile.mkdtemp(prefix="lapinar-class-")

# A pupil's work kept on the island's fifth visit, as bench/startup.py keeps it.
ISLAND_WORK = ('{"format": "Lapinar kept work", "version": 1, "screen": "Island", "reached": "Island", '
               '"currentYear": 5, "graphVisited": false, "counted": [12, 15, 21, 30, 0, 0, 0, 0, 0, 0], '
               '"prediction": 3, "table": ["", "", "", "", "", "", "", "", "", ""], '
               '"titleText": "", "graphTitle": "", "joined": false}\n')


def fail(why):
    sys.exit(f"class benchmark: {why}")


def pupil(i):
    """The folders of pupil i, made on first use, and the environment their lesson runs in."""
    home = os.path.join(root, f"pupil{i:02d}")
    env = dict(os.environ, HOME=home)
    for variable, folder in (("XDG_CONFIG_HOME", ".config"), ("XDG_DATA_HOME", ".local/share"),
                             ("XDG_STATE_HOME", ".local/state"), ("XDG_CACHE_HOME", ".cache"),
                             ("XDG_RUNTIME_DIR", "runtime")):
        env[variable] = os.path.join(home, folder)
        os.makedirs(env[variable], mode=0o700, exist_ok=True)
    return env


def work_file(i):
    return os.path.join(pupil(i)["XDG_STATE_HOME"], "lapinar", "work.json")


def cpu_seconds(pid):
    # The scheduler's own count, in nanoseconds: exact where utime and stime are sampled by the tick.
    with open(f"/proc/{pid}/schedstat") as stat:
        return int(stat.read().split()[0]) / 1e9


def display_server():
    """The process of the X server this display is on, when it runs here (xvfb-run's Xvfb)."""
    number = os.environ.get("DISPLAY", "").split(":")[-1].split(".")[0]
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
                words = cmdline.read().split(b"\0")
        except OSError:
            continue
        if words and os.path.basename(words[0]).startswith(b"X") and f":{number}".encode() in words:
            return int(pid)
    return None


def pss_kib(pid):
    with open(f"/proc/{pid}/smaps_rollup") as rollup:
        return int(re.search(r"^Pss:\s+(\d+) kB", rollup.read(), re.M).group(1))


class Watcher:
    """Follows the X server's MapNotify events on the root window (xev), so that what counts as shown
    is what the server has mapped, seen as it happens."""

    def __init__(self):
        self.xev = subprocess.Popen(["stdbuf", "-oL", "xev", "-root", "-event", "substructure", "-event",
                                     "property"], stdout=subprocess.PIPE)
        self.pending = b""
        self.mapped = set()
        # Listening once it sees a property of the root window change; until then the change is made
        # again, as xev may not have asked for the events yet.
        deadline = time.monotonic() + 30
        while True:
            subprocess.run(["xprop", "-root", "-f", "LAPINAR_CLASS_BENCH", "8s", "-set", "LAPINAR_CLASS_BENCH",
                            str(os.getpid())], check=True)
            line = self.line(min(deadline, time.monotonic() + 0.2))
            while line is not None and not line.startswith("PropertyNotify event"):
                line = self.line(min(deadline, time.monotonic() + 0.2))
            if line is not None:
                break
            if time.monotonic() > deadline:
                fail("xev saw nothing")

    def line(self, deadline):
        while b"\n" not in self.pending:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.xev.stdout], [], [], left)[0]:
                return None
            chunk = os.read(self.xev.stdout.fileno(), 65536)
            if not chunk:
                fail("xev ended")
            self.pending += chunk
        line, self.pending = self.pending.split(b"\n", 1)
        return line.decode(errors="replace")

    def wait_for(self, windows, timeout=120):
        deadline = time.monotonic() + timeout
        mapping = False
        while len(self.mapped) < windows:
            line = self.line(deadline)
            if line is None:
                fail(f"only {len(self.mapped)} of {windows} windows shown after {timeout} s")
            if line.startswith("MapNotify event"):
                mapping = True
            elif mapping and "window 0x" in line:
                self.mapped.add(re.search(r"window (0x[0-9a-f]+)", line).group(1))
                mapping = False
        return time.monotonic()

    def stop(self):
        self.xev.terminate()
        self.xev.wait()


def visible_windows():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "lapinar"],
                           capture_output=True, text=True).stdout.split()
    return found


def settle(lessons, limit=20):
    """Waits until the lessons are idle: together under a tenth of a core over half a second."""
    deadline = time.monotonic() + limit
    before = sum(cpu_seconds(p.pid) for p in lessons)
    while time.monotonic() < deadline:
        time.sleep(0.5)
        now = sum(cpu_seconds(p.pid) for p in lessons)
        if now - before <= 0.05:
            return
        before = now
    print(f"(the lessons were still busy after {limit} s)")


def start_class(label):
    watcher = Watcher()
    started = time.monotonic()
    lessons = []
    for i in range(count):
        log = open(os.path.join(root, f"pupil{i:02d}.log"), "a")
        lessons.append(subprocess.Popen([program], env=pupil(i), stdout=log, stderr=subprocess.STDOUT))
    shown = watcher.wait_for(count)
    watcher.stop()
    for i, lesson in enumerate(lessons):
        if lesson.poll() is not None:
            fail(f"pupil {i}'s lesson ended ({lesson.returncode}); see {root}/pupil{i:02d}.log")
    if len(visible_windows()) != count:
        fail(f"{len(visible_windows())} lesson windows visible, not {count}")
    settle(lessons)
    pss = sum(pss_kib(p.pid) for p in lessons) / 1024
    print(f"{label:34}{shown - started:12.2f}{pss:14.1f}{pss / count:14.1f}")
    return lessons


def stop_class(lessons):
    for lesson in lessons:
        lesson.send_signal(signal.SIGTERM)
    for i, lesson in enumerate(lessons):
        try:
            lesson.wait(timeout=60)
        except subprocess.TimeoutExpired:
            lesson.kill()
            fail(f"pupil {i}'s lesson did not end on SIGTERM")


def carry_on_to_island(lessons):
    # Each window in turn takes the focus and the Yes button, which has it, is pressed with Space.
    for window in visible_windows():
        subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "space"], check=True)
    # The lesson keeps the screen it shows, in a file of its own making: wait until every pupil's work
    # is the lesson's again, on the island.
    deadline = time.monotonic() + 60
    for i in range(count):
        while True:
            try:
                with open(work_file(i)) as work:
                    kept = work.read()
                if kept != ISLAND_WORK and re.search(r'"screen": *"Island"', kept):
                    break
            except OSError:
                pass
            if time.monotonic() > deadline:
                fail(f"pupil {i}'s lesson did not carry on to the island")
            time.sleep(0.1)
    for i, lesson in enumerate(lessons):
        if lesson.poll() is not None:
            fail(f"pupil {i}'s lesson ended on the island")


print(f"== {count} lessons at once on one display, each pupil with folders of their own ==")
print(f"{'':34}{'all shown (s)':>12}{'PSS all (MiB)':>14}{'PSS each':>14}")
try:
    stop_class(start_class("first start (pictures drawn)"))
    for i in range(count):
        with open(work_file(i), "w") as work:
            work.write(ISLAND_WORK)
    lessons = start_class("later start, work kept")
    carry_on_to_island(lessons)
    server = display_server()
    before = sum(cpu_seconds(p.pid) for p in lessons)
    server_before = cpu_seconds(server) if server else 0
    time.sleep(island_seconds)
    used = sum(cpu_seconds(p.pid) for p in lessons) - before
    print(f"on the island, rabbits popping: {used:.2f} s of processor time in {island_seconds} s "
          f"({100 * used / island_seconds:.1f} % of one core, {1000 * used / island_seconds / count:.2f} ms "
          f"a second per lesson)")
    if server:
        print(f"the X server meanwhile: {cpu_seconds(server) - server_before:.2f} s")
    stop_class(lessons)
finally:
    shutil.rmtree(root, ignore_errors=True)
