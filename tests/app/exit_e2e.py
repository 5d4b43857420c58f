#!/usr/bin/env python3
"""Exits on a real X server that only it shows: the display going away under the running
program, and a message at exit that must take the keyboard focus. Each test starts its
own Xvfb (and, where installed, a window manager as well)."""

import os
import resource
import shutil
import signal
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from e2e_harness import (BIN, Vostek, WorkArea, XSession, missing_x_tools,  # noqa: E402
                         wait_for)

WINDOW_MANAGERS = [None] + (["openbox"] if shutil.which("openbox") else [])
LATER_START = b"[GENERAL]\nhelp_start=1\n"


class VostekWritingLittle(Vostek):
    """The program allowed no file beyond a few bytes, so that its saves fail (for root
    as well)."""

    def __init__(self, session, folder):  # pylint: disable=super-init-not-called
        def limit():
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
            resource.setrlimit(resource.RLIMIT_FSIZE, (8, resource.RLIM_INFINITY))

        self.session = session
        self.process = session.start([BIN], cwd=folder, env=self.env(session, folder),
                                     preexec_fn=limit)


@unittest.skipIf(missing_x_tools(), f"needs {', '.join(missing_x_tools())}")
class ExitTest(unittest.TestCase):
    def setUp(self):
        self.area = WorkArea()
        self.addCleanup(self.area.cleanup)

    def session(self, window_manager=None):
        # The session waits for the window manager before the tray host starts: one that
        # comes up later moves the host about while the icon docks.
        session = XSession(self.area, window_manager=bool(window_manager))
        self.addCleanup(session.close)
        return session

    def run_program(self, session, folder, kind=Vostek):
        vostek = kind(session, folder)
        self.addCleanup(vostek.kill)
        return vostek.running(self.area.lock)

    def test_the_display_going_away_still_writes_both_files(self):
        folder = self.area.program_folder("display-gone")
        session = self.session()
        vostek = self.run_program(session, folder)
        wait_for("the tray icon", vostek.tray_icon, details=session.diagnostics)
        xvfb = session.processes[0]
        xvfb.kill()
        xvfb.wait()
        self.assertEqual(vostek.wait_exit(), 1)
        self.assertTrue(os.path.isfile(os.path.join(folder, "items.vkd")))
        with open(os.path.join(folder, "setting.ini"), "rb") as settings:
            self.assertIn(b"\nhelp_start=1\n", settings.read())

    def test_a_message_at_exit_takes_the_focus_so_return_closes_it(self):
        for window_manager in WINDOW_MANAGERS:
            with self.subTest(window_manager=window_manager):
                self.area = WorkArea()  # an instance of its own, should another hang on
                self.addCleanup(self.area.cleanup)
                folder = self.area.program_folder("exit-messages", settings=LATER_START)
                session = self.session(window_manager)
                vostek = self.run_program(session, folder, VostekWritingLittle)
                # The exit from the tray menu: no window of ours is active then.
                icon = wait_for("the tray icon", vostek.tray_icon, details=session.diagnostics)
                x, y, width, height = session.geometry(icon)
                session.move_pointer(x + width // 2, y + height // 2)
                session.tool("xdotool", "click", "3")
                wait_for("the tray menu", lambda: any(
                    w != icon and session.viewable(w) and session.parent(w) == session.root
                    for w in session.windows(vostek.process.pid)), details=session.diagnostics)
                session.key("Up", "Return")

                def message_box():
                    for window in session.windows(vostek.process.pid):
                        if session.viewable(window) and session.title(window) == "VOSTEK":
                            return window
                    return None

                # Neither file can be saved: one message names both and takes the focus,
                # since keys go to the focused window, not to the one under the pointer.
                # Return is 再試行, which fails again and asks again; Esc gives up.
                session.move_pointer(0, 0)
                for key in ("Return", "Escape"):
                    box = wait_for("the message", message_box, details=session.diagnostics)
                    wait_for("the message to take the focus",
                             lambda: session.focused_window() == box, details=session.diagnostics)
                    session.key(key)
                    wait_for("the message to close", lambda: not session.viewable(box))
                self.assertEqual(vostek.wait_exit(), 1)


if __name__ == "__main__":
    unittest.main()
