#!/usr/bin/env python3
"""The performance harness: drives the real program on its own Xvfb (with a tray host and
a session bus, as on a desktop) over collections of several sizes and prints one table,
every figure with its ratio to the empty collection's.

For each size a collection is written by the collection maker (the program's own store
code); the program is then started on it showing the one group (all items), and showing
the popular view, in --runs rounds over all collections and views; every figure is the
median of its runs. With VOSTEK_TRACE set the program writes its own timestamps (ready,
prepared, show, key, painted) to stderr; the latencies are taken between them, never
from this driver's clock. Ready is the time from the exec to the program's first idle
turn of its event loop with the tray icon placed, on the same monotonic clock; prepare
is the idle work that follows it (the first showing rehearsed off screen).

    bench/perf.py --bin build-perf/vostek --maker build-perf/bench/vostek_make_collection
"""

import argparse
import os
import signal
import statistics
import subprocess
import sys
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "support"))
from e2e_harness import Vostek, WorkArea, XSession, wait_for, wait_until  # noqa: E402

SETTINGS = ("[GENERAL]\npopular={popular}\nrecent=0\nstaygroup=0\nshowicon=1\nshowtool=1\n"
            "hotkey=32\nhotkeyMask=1\nwidth=300\nheight=400\nhelp_start=1\ng_autohide=0\n")
VIEWS = (("group", 0), ("popular", 1))
SEARCH = "kanji"  # the first keystroke, then the repeated ones
QUIET = 0.4       # seconds without news that end one step's paints


class TracedRun(Vostek):
    """One run of the program with its trace read from stderr."""

    def __init__(self, session, folder, binary):
        self.session = session
        self.events = []
        self.lock = threading.Lock()
        env = dict(self.env(session, folder), VOSTEK_TRACE="1")
        self.started = time.monotonic_ns()
        self.process = subprocess.Popen([binary], cwd=folder, env=env, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.reader = threading.Thread(target=self.read_trace, daemon=True)
        self.reader.start()

    def read_trace(self):
        for line in self.process.stderr:
            fields = line.decode(errors="replace").split()
            if len(fields) == 3 and fields[0] == "vostek-trace":
                with self.lock:
                    self.events.append((fields[1], int(fields[2])))

    def marks(self):
        with self.lock:
            return list(self.events)

    def first(self, what, after=0):
        return next((t for name, t in self.marks() if name == what and t > after), None)

    def latency(self, start_mark, act):
        """Does `act`, then waits until the program has been quiet for a moment: the time
        from the start mark to the first paint after it, in milliseconds. The program
        rebuilds the list before it returns to its event loop, so that paint shows the
        new rows; later ones only add the icons fetched afterwards."""
        before = self.marks()[-1][1] if self.marks() else 0
        act()
        start = wait_for(start_mark, lambda: self.first(start_mark, before))
        wait_for("a paint after " + start_mark, lambda: self.first("painted", start), timeout=60)
        count = len(self.marks())
        while True:
            time.sleep(QUIET)
            if len(self.marks()) == count:
                break
            count = len(self.marks())
        return (self.first("painted", start) - start) / 1e6

    def rss_mb(self):
        with open(f"/proc/{self.process.pid}/status") as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1]) / 1024
        return 0.0

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(timeout=30)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.reader.join(timeout=5)


def measure(session, folder, binary, settle):
    run = TracedRun(session, folder, binary)
    try:
        ready = wait_for("the program to be ready", lambda: run.first("ready"), timeout=120)
        figures = {"ready": (ready - run.started) / 1e6}
        prepared = wait_for("the first showing to be prepared", lambda: run.first("prepared"),
                            timeout=120)
        figures["prepare"] = (prepared - ready) / 1e6
        time.sleep(settle)
        figures["rss"] = run.rss_mb()
        session.move_pointer(500, 400)
        figures["show"] = run.latency("show", lambda: session.key("alt+space"))
        # Where no window manager hands the focus over, the pointer inside the window
        # still brings it the keys.
        wait_until(lambda: session.focused_window() in session.windows(run.process.pid),
                   timeout=2.0)
        keys = [run.latency("key", lambda k=k: session.key(k)) for k in SEARCH]
        figures["first key"] = keys[0]
        figures["next keys"] = statistics.median(keys[1:])
        figures["worst next"] = max(keys[1:])
        # Hidden with Esc and shown again: the window and its fonts exist by now.
        session.key("Escape")
        time.sleep(2 * QUIET)
        figures["show again"] = run.latency("show", lambda: session.key("alt+space"))
        return figures
    finally:
        run.stop()


COLUMNS = (("ready", "ms"), ("prepare", "ms"), ("rss", "MB"), ("show", "ms"),
           ("first key", "ms"), ("next keys", "ms"), ("worst next", "ms"), ("show again", "ms"))


def print_table(results, sizes):
    head = ["items", "view"] + [f"{name} ({unit})" for name, unit in COLUMNS]
    print("| " + " | ".join(head) + " |")
    print("|" + "---:|" * 2 + "---:|" * len(COLUMNS))
    for view, _ in VIEWS:
        base = results[(sizes[0], view)]
        for size in sizes:
            figures = results[(size, view)]
            cells = [f"{size:,}", view]
            for name, _ in COLUMNS:
                value, ratio = figures[name], figures[name] / base[name] if base[name] else 0
                extra = f" +{value - base[name]:.1f}" if name == "rss" else ""
                cells.append(f"{value:.1f} ({ratio:.2f}x{extra})")
            print("| " + " | ".join(cells) + " |")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", required=True)
    parser.add_argument("--maker", required=True)
    parser.add_argument("--sizes", default="0,1000,10000,100000")
    parser.add_argument("--runs", type=int, default=5,
                        help="starts of each collection and view; each figure is their median")
    parser.add_argument("--settle", type=float, default=1.5,
                        help="seconds after ready before the idle memory is read")
    args = parser.parse_args()
    sizes = [int(size) for size in args.sizes.split(",")]
    area = WorkArea()
    session = XSession(area, session_bus=True)
    results = {}
    try:
        # One start that is not measured: the first start after a build reads the program
        # and its libraries from the disk, which would count against the empty collection.
        measure(session, area.program_folder("warm-up", settings=SETTINGS.format(popular=0)),
                os.path.abspath(args.bin), 0)
        folders = {}
        for size in sizes:
            collection = os.path.join(area.folder("collections"), f"{size}.vkd")
            subprocess.run([os.path.abspath(args.maker), str(size), collection], check=True)
            for view, popular in VIEWS:
                folders[(size, view)] = area.program_folder(
                    f"run-{size}-{view}", items=area.read(collection),
                    settings=SETTINGS.format(popular=popular))
        # Round after round over every collection and view, so that the machine's own
        # ups and downs fall on all of them alike.
        runs = {key: [] for key in folders}
        for round_number in range(args.runs):
            for key, folder in folders.items():
                runs[key].append(measure(session, folder, os.path.abspath(args.bin),
                                         args.settle))
                print(f"round {round_number + 1}, {key[0]} items, {key[1]} view: " + ", ".join(
                    f"{name} {value:.1f}" for name, value in runs[key][-1].items()),
                    file=sys.stderr)
        for key, measured in runs.items():
            results[key] = {name: statistics.median(run[name] for run in measured)
                            for name in measured[0]}
    finally:
        session.close()
        area.cleanup()
    print_table(results, sizes)


if __name__ == "__main__":
    main()
