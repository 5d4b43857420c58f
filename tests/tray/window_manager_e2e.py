#!/usr/bin/env python3
"""The launcher window under a window manager that draws frames and keeps Alt+Space for
its window menu (openbox with its stock bindings), with the tray at the top of the
screen: the taken hot-key is reported, the first showing has the saved outer size at
the cursor, another hot-key pressed again keeps the keyboard in the list, and later
starts (vostek --show, --toggle, --hide, a plain second start) reach the window through
the instance's socket, whatever stale, foreign or silent things lie in the way."""

import os
import shutil
import socket
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from e2e_harness import (BIN, Vostek, WorkArea, XSession, collection,  # noqa: E402
                         missing_x_tools, stays, wait_for)

SCREEN = XSession.SCREEN
SIZE = (300, 400)
POPULAR_TITLE = "（よく使うファイル） - VOSTEK"


@unittest.skipIf(missing_x_tools() or not shutil.which("openbox"),
                 "needs openbox and " + ", ".join(missing_x_tools()))
class WindowManagerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.area = WorkArea()
        files = cls.area.folder("files")
        cls.area.write(os.path.join(files, "report.txt"), "VOSTEK\n")
        cls.items = collection(["グループ0"], [
            ("report.txt", 3, 1700000000, 0, 0, files + "/report.txt")])
        cls.session = XSession(cls.area, window_manager=True, tray_edge="top")

    @classmethod
    def tearDownClass(cls):
        cls.session.close()
        cls.area.cleanup()

    def run_program(self, name, settings):
        self.folder = self.area.program_folder(name, items=self.items, settings=settings)
        vostek = Vostek(self.session, self.folder).running(self.area.lock)
        self.addCleanup(vostek.kill)
        return vostek

    def saved_size(self):
        with open(os.path.join(self.folder, "setting.ini"), encoding="utf-8") as file:
            settings = dict(line.strip().split("=", 1) for line in file if "=" in line)
        return int(settings["width"]), int(settings["height"])

    def assert_placed_at(self, window, cursor):
        x, y, width, height = self.session.outer_geometry(window)
        self.assertEqual((width, height), SIZE, "the saved outer size, frame included")
        expected_x = min(max(cursor[0] - width // 2, 0), SCREEN[0] - width)
        expected_y = min(max(cursor[1] - height // 2, 0), SCREEN[1] - height)
        self.assertEqual((x, y), (expected_x, expected_y), "centred on the cursor")
        self.assertGreaterEqual(y, 0, "the caption is on the screen")

    def test_a_taken_hot_key_is_reported_and_the_first_showing_is_framed_right(self):
        session = self.session
        vostek = self.run_program("taken", "[GENERAL]\nhelp_start=1\nwidth=%d\nheight=%d\n"
                                  % SIZE)
        icon = wait_for("the tray icon", vostek.tray_icon)
        wait_for("the report of the taken hot-key", vostek.balloon)

        # Near the tray at the top: the first showing already has its frame counted.
        x, y, width, height = session.geometry(icon)
        cursor = (x + width // 2, y + height // 2)
        session.move_pointer(*cursor)
        session.tool("xdotool", "click", "--repeat", "2", "--delay", "80", "1")
        window = wait_for("the launcher window", vostek.main_window)
        vostek.wait_title(window, POPULAR_TITLE)
        self.assert_placed_at(window, cursor)
        vostek.process.terminate()
        self.assertEqual(vostek.wait_exit(), 1)
        self.assertEqual(self.saved_size(), SIZE)

    def test_another_hot_key_pressed_again_keeps_the_keyboard_in_the_list(self):
        session = self.session
        vostek = self.run_program("alt-a", "[GENERAL]\nhelp_start=1\nhotkey=65\nhotkeyMask=1\n")
        window = vostek.show(500, 400, hot_key="alt+a")
        session.key("alt+a")
        session.type("rep")
        vostek.wait_title(window, "ALL > [REP]")
        session.key("Escape")
        wait_for("the window to hide", lambda: not session.viewable(window))
        if shutil.which("setxkbmap"):
            # On a French layout A sits where Q was: the key is grabbed again there.
            session.tool("setxkbmap", "fr")
            self.addCleanup(session.tool, "setxkbmap", "us")
            self.assertEqual(vostek.show(500, 400, hot_key="alt+a"), window)
        vostek.process.terminate()
        self.assertEqual(vostek.wait_exit(), 1)

    def command(self, *options):
        """Runs `vostek <options>` in the program's folder; its exit code and stderr."""
        result = subprocess.run([BIN, *options], cwd=self.folder, env=Vostek.env(self.session, self.folder),
                                capture_output=True, timeout=30)
        return result.returncode, result.stderr.decode(errors="replace")

    def test_later_starts_reach_the_window_through_the_socket(self):
        session = self.session
        path = self.area.lock + ".socket"
        os.makedirs(os.path.dirname(path), mode=0o700, exist_ok=True)
        self.folder = self.area.program_folder("requests", items=self.items,
                                               settings="[GENERAL]\nhelp_start=1\n")
        target = os.path.join(self.area.root, "link-target")
        self.area.write(target, b"kept")

        def stale_socket():
            stale = socket.socket(socket.AF_UNIX)
            stale.bind(path)
            os.chmod(path, 0o700)
            stale.close()

        # Whatever sits at the socket's path (a socket a killed instance left, a file, a
        # link), the lock says nothing runs: --show starts a new instance, which takes
        # the name over and shows its window.
        plants = [stale_socket, lambda: self.area.write(path, b"garbage"),
                  lambda: os.symlink(target, path)]
        for plant in plants:
            plant()
            session.move_pointer(500, 400)
            starter = Vostek(session, self.folder, "--show")
            self.addCleanup(starter.kill)
            window = wait_for("the window of the started instance", starter.main_window)
            vostek = starter
            wait_for("the window to take the focus", lambda: session.focused_window() == window)
            if plant != plants[-1]:
                vostek.process.terminate()
                self.assertEqual(vostek.wait_exit(), 1)
        with open(target, "rb") as kept:
            self.assertEqual(kept.read(), b"kept")

        # A client that says nothing and one that sends garbage hold nothing up.
        silent = socket.socket(socket.AF_UNIX)
        silent.connect(path)
        self.addCleanup(silent.close)
        garbage = socket.socket(socket.AF_UNIX)
        garbage.connect(path)
        garbage.sendall(b"\xff" * 4096)
        self.addCleanup(garbage.close)
        self.assertEqual(self.command("--toggle"), (0, ""))
        wait_for("the window to hide", lambda: not session.viewable(window))
        self.assertEqual(self.command("--toggle"), (0, ""))
        wait_for("the window to show", lambda: session.viewable(window))
        self.assertEqual(self.command("--hide"), (0, ""))
        wait_for("the window to hide", lambda: not session.viewable(window))

        # A plain second start shows the window and ends as a second instance does.
        self.assertEqual(self.command()[0], 1)
        wait_for("the window to show", lambda: session.viewable(window))
        session.type("rep")
        vostek.wait_title(window, "ALL > [REP]")

        # A flood of toggles, more at once than are served at once: every one answered,
        # and the window still obeys afterwards.
        flood = [subprocess.Popen([BIN, "--toggle"], cwd=self.folder, env=Vostek.env(session, self.folder),
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                 for _ in range(40)]
        self.assertEqual([process.wait(timeout=30) for process in flood], [0] * 40)
        self.assertEqual(self.command("--hide"), (0, ""))
        wait_for("the window to hide", lambda: not session.viewable(window))
        self.assertEqual(self.command("--show"), (0, ""))
        wait_for("the window to show", lambda: session.viewable(window))
        vostek.wait_title(window, POPULAR_TITLE)  # the search was cleared on hiding

        # A socket open to others, or another user's, is refused and never written to.
        os.chmod(path, 0o666)
        code, error = self.command("--hide")
        self.assertEqual(code, 1)
        self.assertIn(path, error)
        os.chmod(path, 0o700)
        if os.geteuid() == 0:
            os.chown(path, 12345, -1)
            self.assertEqual(self.command("--hide")[0], 1)
            os.chown(path, 0, -1)
        stays("the window shown", lambda: session.viewable(window), 0.3)

        vostek.process.terminate()
        self.assertEqual(vostek.wait_exit(), 1)
        self.assertFalse(os.path.exists(path), "the socket goes with the instance")
        # No instance: --hide has nothing to do.
        self.assertEqual(self.command("--hide"), (0, ""))


if __name__ == "__main__":
    unittest.main(verbosity=2)
