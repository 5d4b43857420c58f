#!/usr/bin/env python3
"""The launcher window on a real X server: tray icon, greeting, hot-key, search title,
hiding, the settings menu, a second instance and the exit. Starts its own Xvfb and tray
host and drives the real program with xdotool in a temporary folder.

Set VOSTEK_SCREENSHOT to a file name to keep a picture of the shown window."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from e2e_harness import (BIN, Vostek, WorkArea, XSession, collection,  # noqa: E402
                         missing_x_tools, stays, wait_for, wait_until)

SCREEN = XSession.SCREEN
POPULAR_TITLE = "（よく使うファイル） - VOSTEK"


@unittest.skipIf(missing_x_tools(), f"needs {', '.join(missing_x_tools())}")
class LauncherWindowTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.area = WorkArea()
        files = cls.area.folder("ファイル")
        os.makedirs(os.path.join(files, "写真"))
        os.makedirs(os.path.join(files, "repository"))
        for name in ("レポート2024.txt", "議事録_定例会議.txt", "メモ帳.txt", "見積書.pdf"):
            cls.area.write(os.path.join(files, name), "VOSTEK\n")
        cls.items = collection(["グループ0", "仕事"], [
            ("レポート2024.txt", 9, 1700000900, 1, 0, files + "/レポート2024.txt"),
            ("議事録_定例会議.txt", 7, 1700000800, 1, 1, files + "/議事録_定例会議.txt"),
            ("repository", 5, 1700000700, 0, 0, files + "/repository"),
            ("写真", 4, 1700000600, 0, 1, files + "/写真"),
            ("見積書.pdf", 3, 1700000500, 1, 2, files + "/見積書.pdf"),
            ("メモ帳.txt", 2, 1700000400, 0, 2, files + "/メモ帳.txt"),
        ])
        cls.work = cls.area.program_folder("work", items=cls.items)
        cls.session = XSession(cls.area)

    @classmethod
    def tearDownClass(cls):
        cls.session.close()
        cls.area.cleanup()

    def run_program(self, folder):
        vostek = Vostek(self.session, folder)
        self.addCleanup(vostek.kill)
        return vostek

    def click_icon(self, icon, button, repeat=1):
        x, y, width, height = self.session.geometry(icon)
        self.session.move_pointer(x + width // 2, y + height // 2)
        self.session.tool("xdotool", "click", "--repeat", str(repeat), "--delay", "80",
                          str(button))

    def settings(self):
        path = os.path.join(self.work, "setting.ini")
        if not os.path.exists(path):
            return None
        with open(path, encoding="utf-8") as file:
            return dict(line.strip().split("=", 1) for line in file if "=" in line)

    def assert_centred_on(self, window, cursor):
        x, y, width, height = self.session.geometry(window)
        expected_x = min(max(cursor[0] - width // 2, 0), SCREEN[0] - width)
        expected_y = min(max(cursor[1] - height // 2, 0),
                         SCREEN[1] - XSession.TRAY_HEIGHT - height)
        self.assertEqual((x, y), (expected_x, expected_y))

    def test_1_first_start_greets_and_the_hot_key_shows_searches_and_hides(self):
        session = self.session
        vostek = self.run_program(self.work)
        wait_for("the tray icon", vostek.tray_icon)
        balloon = wait_for("the greeting balloon", vostek.balloon)
        x, y, width, _ = session.geometry(balloon)
        self.assertGreater(x + width, SCREEN[0] // 2, "the balloon points at the icon")
        self.assertGreater(y, SCREEN[1] // 2, "the balloon points at the icon")
        self.assertIsNone(vostek.main_window(), "the window starts hidden")

        window = vostek.show(500, 400)
        vostek.wait_title(window, POPULAR_TITLE)
        self.assert_centred_on(window, (500, 400))
        if os.environ.get("VOSTEK_SCREENSHOT"):
            session.tool("import", "-window", str(window), os.environ["VOSTEK_SCREENSHOT"])

        session.type("repo")
        vostek.wait_title(window, "ALL > [REPO]")
        session.key("BackSpace")
        vostek.wait_title(window, POPULAR_TITLE)

        session.key("Right")  # popular -> group 0, with its name in the title
        vostek.wait_title(window, "グループ0 - VOSTEK")
        session.type("re")
        vostek.wait_title(window, "グループ0 > [RE]")
        session.key("Escape")
        wait_for("the window to hide", lambda: not session.viewable(window))

        # Near the top-left corner: placed at the screen origin; and the start view,
        # with an empty search, comes back.
        window = vostek.show(60, 50)
        vostek.wait_title(window, POPULAR_TITLE)
        self.assert_centred_on(window, (60, 50))

        # Pressed again while shown: only raised, not moved.
        before = session.geometry(window)
        session.move_pointer(900, 700)
        session.key("alt+space")
        stays("the window in place", lambda: session.geometry(window) == before, 0.5)
        # ... and the keys still go to the search, not to the menu bar.
        session.type("re")
        vostek.wait_title(window, "ALL > [RE]")

        # A settings toggle lives in memory until the exit.
        session.key("alt+p")
        session.key("t")
        self.assertIsNone(self.settings(), "nothing is written while running")

        # A second instance ends at once and changes nothing.
        second = session.start([BIN], cwd=self.work, env=Vostek.env(session, self.work))
        self.assertEqual(second.wait(timeout=15), 1)
        self.assertEqual(session.windows(second.pid), [])
        self.assertIsNone(self.settings())
        self.assertEqual(self.area.read(os.path.join(self.work, "items.vkd")), self.items)
        self.assertTrue(session.viewable(window))

        session.key("alt+f")
        session.key("x")
        self.assertEqual(vostek.wait_exit(), 1)
        settings = self.settings()
        self.assertIsNotNone(settings)
        self.assertEqual(settings["showtool"], "0")
        self.assertEqual(settings["help_start"], "1")
        self.assertEqual(settings["popular"], "1")

    def test_2_later_starts_do_not_greet_and_the_tray_icon_shows_the_window(self):
        session = self.session
        vostek = self.run_program(self.work)
        icon = wait_for("the tray icon", vostek.tray_icon)
        stays("no greeting", lambda: vostek.balloon() is None, 1.5)

        self.click_icon(icon, 1, repeat=2)
        window = wait_for("the launcher window", vostek.main_window)
        vostek.wait_title(window, POPULAR_TITLE)
        session.key("Escape")
        wait_for("the window to hide", lambda: not session.viewable(window))

        # The tray menu's last entry ends the program through the normal exit.
        def menu_shown():
            return any(w != icon and session.viewable(w) and session.parent(w) == session.root
                       for w in session.windows(vostek.process.pid))
        self.click_icon(icon, 3)
        if not wait_until(menu_shown, 5):
            self.click_icon(icon, 3)  # the tray host, busy embedding, may drop a click
        wait_for("the tray menu", menu_shown)
        session.key("Up", "Return")
        self.assertEqual(vostek.wait_exit(), 1)
        self.assertEqual(self.settings()["showtool"], "0", "kept from the first run")

    def test_3_without_a_hot_key_the_tray_icon_still_shows_the_window_within_the_screen(self):
        huge = "width=2147483647\nheight=2147483647\n"
        folder = self.area.program_folder("no-hot-key", items=self.items,
                                          settings="[GENERAL]\nhotkey=0\nhelp_start=1\n" + huge)
        vostek = self.run_program(folder)
        icon = wait_for("the tray icon", vostek.tray_icon)
        self.session.key("alt+space")
        stays("the window hidden", lambda: vostek.main_window() is None, 1.0)
        self.click_icon(icon, 1, repeat=2)
        window = wait_for("the launcher window", vostek.main_window)
        # The sizes from the file are bounded by the screen.
        self.assertEqual(self.session.geometry(window), (0, 0) + SCREEN)
        vostek.process.terminate()  # the session's end runs the normal exit
        self.assertEqual(vostek.wait_exit(), 1)

    def test_4_without_a_tray_the_window_shows_at_start_and_a_later_tray_gets_the_icon(self):
        session = self.session
        folder = self.area.program_folder("late-tray", items=self.items)
        session.stop_tray()
        vostek = self.run_program(folder)
        # No tray yet: the window is shown at once, since nothing else leads to it ...
        window = wait_for("the window shown at start", vostek.main_window,
                          details=session.diagnostics)
        self.assertIn(b"vostek --toggle", session.diagnostics().encode())
        session.key("Escape")
        wait_for("the window to hide", lambda: not session.viewable(window))
        # ... and the hot-key works all the same.
        window = vostek.show(500, 400)
        session.key("Escape")
        wait_for("the window to hide", lambda: not session.viewable(window))
        self.assertIsNone(vostek.balloon())

        session.start_tray()
        wait_for("the tray icon", vostek.tray_icon)
        wait_for("the greeting balloon", vostek.balloon)
        vostek.process.terminate()
        self.assertEqual(vostek.wait_exit(), 1)


if __name__ == "__main__":
    unittest.main(verbosity=2)
