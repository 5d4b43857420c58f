"""Start-up and exit of the real program: single instance, both files, signals."""

import os
import re
import resource
import signal
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from e2e_harness import BIN, TIMEOUT, WorkArea, holds_open, wait_until  # noqa: E402

DEFAULT_COLLECTION = bytes.fromhex(
    "01 00 0d e3 82 b0 e3 83 ab e3 83 bc e3 83 97 30 00 00")
TWO_GROUPS = bytes.fromhex(
    "02 00 0d e3 82 b0 e3 83 ab e3 83 bc e3 83 97 30 04 57 6f 72 6b 00 00")
DEFAULT_SETTINGS = (
    b"[GENERAL]\npopular=1\nrecent=0\nstaygroup=0\nshowicon=1\nshowtool=1\n"
    b"hotkey=32\nhotkeyMask=1\nwidth=200\nheight=220\nhelp_start=0\ng_autohide=0\n")


class StartupTest(unittest.TestCase):
    def setUp(self):
        self.area = WorkArea()
        self.addCleanup(self.area.cleanup)
        # No VOSTEK_HOME: the files go to $XDG_DATA_HOME/vostek, whatever the current folder.
        self.data = os.path.join(self.area.root, "share", "vostek")
        self.cwd = self.area.folder("cwd")
        self.home = self.area.folder("home")
        self.processes = []

    def tearDown(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
            process.wait()
            process.stdout.close()
            process.stderr.close()

    def env(self):
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=self.area.runtime,
                   HOME=self.home, XDG_DATA_HOME=os.path.join(self.area.root, "share"))
        env.pop("VOSTEK_HOME", None)
        return env

    def path(self, name):
        return os.path.join(self.data, name)

    def read(self, name):
        return self.area.read(self.path(name))

    def write(self, name, content):
        os.makedirs(self.data, mode=0o700, exist_ok=True)
        self.area.write(self.path(name), content)

    def start(self, preexec_fn=None):
        process = subprocess.Popen([BIN], cwd=self.cwd, env=self.env(), preexec_fn=preexec_fn,
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self.processes.append(process)
        return process

    def start_running(self, preexec_fn=None):
        process = self.start(preexec_fn)
        self.assertTrue(wait_until(lambda: process.poll() is not None
                                   or holds_open(process.pid, self.area.lock)))
        if process.poll() is not None:
            self.fail(f"ended with {process.returncode}: {process.stderr.read()!r}")
        return process

    def end(self, process, signal_number=signal.SIGTERM):
        process.send_signal(signal_number)
        return process.wait(TIMEOUT)

    def listing(self):
        return {name: os.stat(self.path(name)).st_mtime_ns for name in os.listdir(self.data)}

    def test_first_start_then_sigterm_writes_the_defaults(self):
        process = self.start_running()
        self.assertEqual(os.stat(self.data).st_mode & 0o777, 0o700)  # made private
        self.assertEqual(os.listdir(self.data), [])  # nothing is written while running
        self.assertEqual(self.end(process), 1)
        # The greeting of a first start may have marked itself shown.
        settings = re.sub(rb"\nhelp_start=1\n", b"\nhelp_start=0\n", self.read("setting.ini"))
        self.assertEqual(settings, DEFAULT_SETTINGS)
        self.assertEqual(self.read("items.vkd"), DEFAULT_COLLECTION)
        self.assertEqual(sorted(os.listdir(self.data)), ["items.vkd", "setting.ini"])
        self.assertEqual(os.listdir(self.cwd), [])

    def test_a_second_instance_ends_at_once_and_touches_nothing(self):
        self.write("setting.ini", b"[GENERAL]\nwidth=321\n")
        first = self.start_running()
        before = self.listing()

        second = self.start()
        self.assertEqual(second.wait(TIMEOUT), 1)
        self.assertEqual(second.stdout.read(), b"")
        self.assertEqual(second.stderr.read(), b"")
        self.assertEqual(self.listing(), before)
        self.assertIsNone(first.poll())  # the first one runs on

        self.assertEqual(self.end(first), 1)
        self.assertIn(b"width=321\n", self.read("setting.ini"))

    def test_instances_started_together_leave_exactly_one_running(self):
        for _ in range(3):
            together = [self.start(), self.start()]
            self.assertTrue(wait_until(lambda: any(p.poll() is not None for p in together)))
            ended = [p for p in together if p.poll() is not None]
            running = [p for p in together if p.poll() is None]
            self.assertEqual(len(ended), 1)
            self.assertEqual(ended[0].returncode, 1)
            self.assertEqual(len(running), 1)
            self.assertTrue(wait_until(lambda: holds_open(running[0].pid, self.area.lock)))
            self.assertEqual(self.end(running[0]), 1)

    def test_a_damaged_collection_is_kept_aside(self):
        damaged = TWO_GROUPS[:-3]
        self.write("items.vkd", damaged)
        self.write("items.vkd.broken", b"an older one")
        process = self.start_running()
        # The message about it may be open: the signal closes it and exits as usual.
        self.assertEqual(self.end(process), 1)
        self.assertEqual(self.read("items.vkd.broken"), b"an older one")
        self.assertEqual(self.read("items.vkd.broken.1"), damaged)
        self.assertEqual(self.read("items.vkd"), DEFAULT_COLLECTION)

    def test_a_failed_save_keeps_the_old_collection(self):
        self.write("items.vkd", TWO_GROUPS)

        def no_file_beyond_a_few_bytes():  # fails the save for root as well
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
            resource.setrlimit(resource.RLIMIT_FSIZE, (8, resource.RLIM_INFINITY))

        process = self.start_running(no_file_beyond_a_few_bytes)
        # Nobody may be there to answer after a signal: the failure goes to standard
        # error, and its message closes itself, so one signal ends the process.
        self.assertEqual(self.end(process), 1)
        errors = process.stderr.read().decode()
        self.assertIn(self.path("items.vkd") + ": ", errors)
        self.assertIn(self.path("setting.ini") + ": ", errors)
        self.assertEqual(self.read("items.vkd"), TWO_GROUPS)
        self.assertFalse(os.path.exists(self.path("setting.ini")))

    def test_a_data_folder_that_cannot_be_made_is_told_and_nothing_is_written(self):
        self.area.write(os.path.join(self.area.root, "share"), b"a file")  # XDG_DATA_HOME
        before = everything_in(self.area.root)
        process = self.start()

        # The message box waits for OK; once signals are caught, one closes it.
        def signal_until_ended():
            if process.poll() is not None:
                return True
            if catches_sigterm(process.pid):
                process.send_signal(signal.SIGTERM)
            return False

        self.assertTrue(wait_until(signal_until_ended))
        self.assertEqual(process.returncode, 1)
        # Only the lock, which tells later starts that this one is deciding: no data file.
        runtime_files = {os.path.dirname(self.area.lock), self.area.lock}
        self.assertEqual(everything_in(self.area.root) - runtime_files, before)


def everything_in(root):
    return {os.path.join(folder, name) for folder, folders, files in os.walk(root)
            for name in folders + files}


def catches_sigterm(pid):
    try:
        with open(f"/proc/{pid}/status") as status:
            for line in status:
                if line.startswith("SigCgt:"):
                    return int(line.split()[1], 16) & (1 << (signal.SIGTERM - 1)) != 0
    except FileNotFoundError:
        pass
    return False


if __name__ == "__main__":
    unittest.main()
