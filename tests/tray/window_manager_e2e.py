#!/usr/bin/env python3
"""The launcher window under a window manager that draws frames and keeps Alt+Space for
its window menu (openbox with its stock bindings), with the tray at the top of the
screen: the taken hot-key is reported, the first showing has the saved outer size at
the cursor, and another hot-key pressed again keeps the keyboard in the list."""

import os
import shutil
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from e2e_harness import (Vostek, WorkArea, XSession, collection,  # noqa: E402
                         missing_x_tools, wait_for)

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
        vostek = self.run_program("alt-k", "[GENERAL]\nhelp_start=1\nhotkey=75\nhotkeyMask=1\n")
        window = vostek.show(500, 400, hot_key="alt+k")
        session.key("alt+k")
        session.type("rep")
        vostek.wait_title(window, "ALL > [REP]")
        session.key("Escape")
        wait_for("the window to hide", lambda: not session.viewable(window))
        vostek.process.terminate()
        self.assertEqual(vostek.wait_exit(), 1)


if __name__ == "__main__":
    unittest.main(verbosity=2)
