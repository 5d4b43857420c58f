"""Item and group commands of the real program on a real X server: Enter launches the
selected item through the desktop's default handler and hides the window, Delete removes
it, Ctrl+N adds a group, Left and Right step through the view cycle, and the collection
file holds the changes after the exit. The mouse narrows a selection to the row it clicks,
and a right click on empty space leaves nothing selected for the popup to act on."""

import os
import signal
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from e2e_harness import (Vostek, WorkArea, XSession, collection, missing_x_tools,  # noqa: E402
                         wait_for)

RECENT_TITLE = "（最近使ったファイル） - VOSTEK"
GROUP0 = "グループ0"
GROUP1 = "グループ1"

SETTINGS = ("[GENERAL]\npopular=0\nrecent=1\nstaygroup=0\nshowicon=1\nshowtool=1\n"
            "hotkey=32\nhotkeyMask=1\nwidth=300\nheight=260\nhelp_start=1\ng_autohide=0\n")


class CommandsTest(unittest.TestCase):
    def setUp(self):
        self.assertEqual(missing_x_tools(), [], "see scripts/install-deps")
        self.area = WorkArea()
        self.addCleanup(self.area.cleanup)
        self.session = XSession(self.area)
        self.addCleanup(self.session.close)

    def use_logging_handler(self):
        """Makes a desktop entry that logs what it is asked to open the default for plain
        text; returns the log's path."""
        log, env = self.area.logging_handler()
        self.session.env.update(env)
        return log

    def opened(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log, encoding="utf-8") as f:
            return f.read().splitlines()

    def test_item_and_group_commands_reach_the_collection_file(self):
        self.log = self.use_logging_handler()
        files = self.area.folder("files")
        note = os.path.join(files, "note one.txt")
        other = os.path.join(files, "other.txt")
        self.area.write(note, b"hello\n")
        self.area.write(other, b"world\n")
        data = self.area.program_folder("data", settings=SETTINGS, items=collection(
            [GROUP0], [("note one.txt", 3, 1700000000, 0, 0, note),
                       ("other.txt", 0, 0, 0, 1, other)]))
        vostek = Vostek(self.session, data).running(self.area.lock)
        self.addCleanup(vostek.kill)

        # The recent view shows the launched item, selected; Enter opens it and hides.
        window = vostek.show(512, 384)
        vostek.wait_title(window, RECENT_TITLE)
        self.session.key("Return")
        wait_for("the handler to open the note", lambda: note in self.opened(),
                 details=lambda: f"opened: {self.opened()}\n" + self.session.diagnostics())
        wait_for("the window to hide", lambda: not self.session.viewable(window))
        self.assertEqual(self.opened(), [note])

        # Shown again, the same row is selected: Delete removes the item.
        window = vostek.show(512, 384)
        vostek.wait_title(window, RECENT_TITLE)
        self.session.key("Delete")

        # Ctrl+N adds a group and shows it; Left and Right step through the cycle
        # recent view, group 0, group 1.
        for key, title in (("ctrl+n", f"{GROUP1} - VOSTEK"), ("Left", f"{GROUP0} - VOSTEK"),
                           ("Left", RECENT_TITLE), ("Left", f"{GROUP1} - VOSTEK"),
                           ("Right", RECENT_TITLE), ("Right", f"{GROUP0} - VOSTEK")):
            self.session.key(key)
            vostek.wait_title(window, title)

        vostek.process.send_signal(signal.SIGTERM)
        self.assertEqual(vostek.wait_exit(), 1, self.session.diagnostics())
        # The new group is kept; of the items only the other one is left, as it was.
        self.assertEqual(self.area.read(os.path.join(data, "items.vkd")),
                         collection([GROUP0, GROUP1], [("other.txt", 0, 0, 0, 1, other)]))
        self.assertEqual(self.opened(), [note])  # nothing else was opened

    def test_clicks_act_on_what_they_point_at(self):
        self.log = self.use_logging_handler()
        files = self.area.folder("files")
        rows = [os.path.join(files, f"row{i:02}.txt") for i in range(30)]
        only = os.path.join(files, "only.txt")
        for path in rows + [only]:
            self.area.write(path, b"text\n")
        items = [(os.path.basename(p), 0, 0, 0, i, p) for i, p in enumerate(rows)]
        data = self.area.program_folder("data", settings=SETTINGS.replace("recent=1", "recent=0"),
                                        items=collection([GROUP0, GROUP1], items + [
                                            ("only.txt", 0, 0, 1, 0, only)]))
        vostek = Vostek(self.session, data).running(self.area.lock)
        self.addCleanup(vostek.kill)
        session = self.session

        # Group 0 fills the list with rows. All selected, a click into the middle leaves
        # one: Enter opens that one alone.
        window = vostek.show(512, 384)
        vostek.wait_title(window, f"{GROUP0} - VOSTEK")
        x, y, width, height = session.geometry(window)
        session.key("ctrl+a")
        session.move_pointer(x + width // 2, y + height // 2)
        session.tool("xdotool", "click", "1")
        session.key("Return")
        wait_for("the handler to open a file", lambda: self.opened(),
                 details=lambda: self.session.diagnostics())
        wait_for("the window to hide", lambda: not session.viewable(window))
        self.assertEqual(len(self.opened()), 1, self.opened())

        # Group 1's one row, selected; a right click on the empty space below it: the
        # popup's remove entry is greyed, so its key does nothing.
        window = vostek.show(512, 384)
        session.key("Right")
        vostek.wait_title(window, f"{GROUP1} - VOSTEK")
        session.key("ctrl+a")
        x, y, width, height = session.geometry(window)
        session.move_pointer(x + width // 2, y + height - 10)
        session.tool("xdotool", "click", "3")
        wait_for("the item popup", lambda: any(
            w != window and session.viewable(w) and session.parent(w) == session.root
            for w in session.windows(vostek.process.pid)))
        session.key("r")
        session.key("Escape")
        session.key("Escape")  # the popup if it stayed, then the window
        wait_for("the window to hide", lambda: not session.viewable(window))

        vostek.process.send_signal(signal.SIGTERM)
        self.assertEqual(vostek.wait_exit(), 1, self.session.diagnostics())
        self.assertIn(b"only.txt", self.area.read(os.path.join(data, "items.vkd")))


if __name__ == "__main__":
    unittest.main()
