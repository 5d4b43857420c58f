#!/usr/bin/env python3
"""The launcher window in a Wayland session (headless sway with XWayland): started with
both displays there, it runs on XWayland; without a tray host it shows its window at
once and says on stderr how to reach it, and its icon comes with a host that starts
later; --toggle brings the window up with the keyboard focus, where typing narrows the
list through the real dictionary; a window left behind another comes to the front.

Where sway cannot run (not root, or its packages are missing) every test is skipped,
and the run ends with code 77, which ctest reports as skipped, not passed."""

import os
import shutil
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from e2e_harness import BIN, WorkArea, collection, wait_for  # noqa: E402
from sway_session import SwaySession, why_sway_cannot_run  # noqa: E402

POPULAR_TITLE = "（よく使うファイル） - VOSTEK"
SKIPPED = 77


class WaylandSessionTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        reason = why_sway_cannot_run()
        if reason:
            raise unittest.SkipTest(reason)
        cls.area = WorkArea()
        files = cls.area.folder("files")
        cls.fire = os.path.join(files, "火事.txt")
        report = os.path.join(files, "report.txt")
        for path in (cls.fire, report):
            cls.area.write(path, "VOSTEK\n")
        # Without a search the report comes first; "ka" leaves only the fire.
        items = collection(["グループ0"], [("report.txt", 9, 1700000900, 0, 0, report),
                                          ("火事.txt", 5, 1700000800, 0, 1, cls.fire)])
        cls.folder = cls.area.program_folder("data", items=items,
                                             settings="[GENERAL]\nhelp_start=1\n")
        cls.program = os.path.join(cls.area.root, "vostek")
        shutil.copy(BIN, cls.program)  # wherever the build is, the user can run this copy
        cls.opened_log, handler_env = cls.area.logging_handler()
        try:
            cls.session = SwaySession(cls.area)
        except RuntimeError as error:
            cls.area.cleanup()
            raise unittest.SkipTest(f"sway cannot run here: {error}")
        cls.env = dict(cls.session.env, VOSTEK_HOME=cls.folder, **handler_env)
        cls.stderr_path = os.path.join(cls.area.root, "vostek.stderr")
        cls.stderr = open(cls.stderr_path, "wb")
        cls.vostek = None

    @classmethod
    def tearDownClass(cls):
        cls.session.close()
        cls.stderr.close()
        cls.area.cleanup()

    def ask(self, option):
        result = self.session.run(self.program, option, cwd=self.folder, env=self.env)
        self.assertEqual(result.returncode, 0, result.stderr)

    def launcher(self):
        """The launcher window as the compositor sees it, or None while it is hidden."""
        for node in self.session.windows():
            if (node.get("name") or "") not in ("", "VOSTEK") and "vostek" in str(
                    node.get("window_properties", {})).lower():
                return node
        return None

    def wait_focused(self, what):
        """The launcher once the compositor has focused it and XWayland has handed it
        the keys (the two follow one another on separate connections)."""
        def launcher_focused():
            node = self.launcher()
            return node if node and node.get("focused") and self.x11_focus() == node[
                "window"] else None
        return wait_for(what, launcher_focused, details=lambda: self.details())

    def x11_focus(self):
        output = self.session.run("xdotool", "getwindowfocus").stdout.strip()
        return int(output) if output.isdigit() else None

    def wait_title(self, title):
        wait_for(f"the title {title!r}", lambda: (self.launcher() or {}).get("name") == title,
                 details=lambda: self.details())

    def details(self):
        with open(self.stderr_path, "rb") as file:
            errors = file.read().decode(errors="replace")
        return (f"launcher: {self.launcher()}\nfocused: {self.session.focused()}\n"
                f"--- vostek stderr\n{errors}\n" + self.session.diagnostics())

    def opened(self):
        if not os.path.exists(self.opened_log):
            return []
        with open(self.opened_log, encoding="utf-8") as file:
            return file.read().splitlines()

    def test_1_without_a_tray_host_the_window_shows_at_start_and_the_icon_comes_later(self):
        cls = type(self)
        cls.vostek = self.session.start([self.program], env=self.env, cwd=self.folder,
                                        stderr=self.stderr)
        node = self.wait_focused("the window shown at start")
        self.assertEqual(node["shell"], "xwayland", "the program chose XWayland")
        self.assertEqual(node["name"], POPULAR_TITLE)
        with open(self.stderr_path, encoding="utf-8") as file:
            self.assertIn("vostek --toggle", file.read())

        self.session.start_tray_host()
        wait_for("the icon with the host", lambda: "/StatusNotifierItem" in
                 self.session.tray_items(), details=self.details)

        self.ask("--toggle")  # in front and active: hidden
        wait_for("the window to hide", lambda: self.launcher() is None, details=self.details)

    def test_2_toggle_shows_the_window_with_the_focus_and_typing_narrows_the_list(self):
        self.ask("--toggle")
        self.wait_focused("the window brought up by --toggle")
        self.session.type("ka")
        self.wait_title("ALL > [KA]")
        self.session.key("Return")  # opens the first row: the only one left
        wait_for("the fire to be opened", lambda: self.opened(), details=self.details)
        wait_for("the window to hide", lambda: self.launcher() is None, details=self.details)
        self.assertEqual(self.opened(), [self.fire])

    def test_3_a_window_left_behind_another_comes_to_the_front(self):
        self.ask("--toggle")
        self.wait_focused("the window brought up by --toggle")
        other = self.session.start(["xmessage", "in front of VOSTEK"], env=self.session.env)
        self.addCleanup(other.kill)
        wait_for("the other window to take the focus", lambda: (self.session.focused() or {})
                 .get("name") == "xmessage", details=self.details)
        self.assertFalse(self.launcher()["visible"], "the launcher is behind the other")

        self.ask("--toggle")  # not active: brought to the front, not hidden
        node = self.wait_focused("the window left behind to come to the front")
        self.assertTrue(node["visible"])
        self.session.type("re")
        self.wait_title("ALL > [RE]")


if __name__ == "__main__":
    program = unittest.main(verbosity=2, exit=False)
    result = program.result
    if not result.wasSuccessful():
        sys.exit(1)
    sys.exit(SKIPPED if result.skipped else 0)  # all or nothing: sway runs or it does not
