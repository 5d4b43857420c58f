#!/usr/bin/env python3
"""The launcher window on a real X server: tray icon, greeting, hot-key, search title,
hiding, the settings menu, a second instance and the exit. Starts its own Xvfb and tray
host and drives the real program with xdotool in a temporary folder.

Set VOSTEK_SCREENSHOT to a file name to keep a picture of the shown window."""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import unittest

VOSTEK = os.environ.get("VOSTEK_BIN", "")
TOOLS = ("Xvfb", "trayer", "xdotool", "xprop", "xwininfo")
DICTIONARY = "/usr/share/cmigemo/utf-8"
SCREEN = (1024, 768)
POPULAR_TITLE = "（よく使うファイル） - VOSTEK"


def wait_for(what, predicate, timeout=15.0):
    """Polls until predicate() gives something true and returns it."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.05)


def stays(what, predicate, duration):
    """Asserts that predicate() stays true for the whole duration."""
    deadline = time.monotonic() + duration
    while time.monotonic() < deadline:
        if not predicate():
            raise AssertionError("no longer true: " + what)
        time.sleep(0.05)


# --- items.vkd -------------------------------------------------------------------------

def archive_string(text):
    data = text.encode("utf-8")
    assert len(data) < 0xFF
    return bytes([len(data)]) + data


def id_list(path):
    """The ID list of an absolute path: one file-name item per component."""
    data = b""
    for part in path.strip("/").split("/"):
        name = part.encode("utf-8")
        data += struct.pack("<HB", len(name) + 3, 1) + name
    return data + b"\0\0"


def collection(groups, items):
    """The collection file: group names, then the items (name, count, time, group,
    order, path)."""
    data = struct.pack("<H", len(groups)) + b"".join(archive_string(g) for g in groups)
    data += struct.pack("<H", len(items))
    for index, (name, count, when, group, order, path) in enumerate(items):
        if index == 0:
            data += b"\xff\xff" + struct.pack("<HH", 1, 10) + b"VostekItem"
        else:
            data += b"\x01\x80"
        pidl = id_list(path)
        data += archive_string(name) + struct.pack("<I", count) + b"\x0a\x00\x00\x80"
        data += struct.pack("<qiiI", when, group, order, len(pidl)) + pidl
    return data


# --- the X session -----------------------------------------------------------------------

class XSession:
    """Xvfb on a free display with a tray host, and the tools that look at it."""

    def __init__(self, folder):
        self.processes = []
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-noreset",
             "-screen", "0", "%dx%dx24" % SCREEN],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(xvfb)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + number, QT_QPA_PLATFORM="xcb",
                        HOME=folder, XDG_CONFIG_HOME=os.path.join(folder, "config"),
                        XDG_CACHE_HOME=os.path.join(folder, "cache"),
                        XDG_DATA_HOME=os.path.join(folder, "data"),
                        LANG="C.UTF-8", LC_ALL="C.UTF-8")
        self.env.pop("DBUS_SESSION_BUS_ADDRESS", None)  # no StatusNotifier host here
        self.env.pop("WAYLAND_DISPLAY", None)
        self.root = int(self.tool("xwininfo", "-root").split("Window id: ")[1].split()[0], 16)
        self.tray = None
        self.start_tray()

    def start_tray(self):
        self.tray = self.start(["trayer", "--edge", "bottom", "--align", "right", "--widthtype",
                                "request", "--height", "24", "--SetDockType", "true"])
        wait_for("the tray host", lambda: self.tool("xdotool", "search", "--classname",
                                                    "trayer", check=False).strip())

    def stop_tray(self):
        self.tray.terminate()
        self.tray.wait(timeout=10)
        wait_for("the tray host to go", lambda: not self.tool(
            "xdotool", "search", "--classname", "trayer", check=False).strip())

    def start(self, command, **options):
        process = subprocess.Popen(command, env=options.pop("env", self.env),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   **options)
        self.processes.append(process)
        return process

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()

    def tool(self, *command, check=True):
        result = subprocess.run(command, env=self.env, capture_output=True, timeout=30)
        if check and result.returncode != 0:
            raise AssertionError("%s failed: %s" % (command, result.stderr.decode()))
        return result.stdout.decode("utf-8", "replace")

    def key(self, *keys):
        self.tool("xdotool", "key", "--delay", "40", *keys)

    def type(self, text):
        self.tool("xdotool", "type", "--delay", "40", text)

    def windows(self, pid):
        output = self.tool("xdotool", "search", "--pid", str(pid), check=False)
        return [int(line) for line in output.split()]

    def info(self, window):
        output = self.tool("xwininfo", "-id", str(window), check=False)
        fields = {}
        for line in output.splitlines():
            if ":" in line:
                key, value = line.split(":", 1)
                fields[key.strip()] = value.strip()
        return fields

    def viewable(self, window):
        return self.info(window).get("Map State") == "IsViewable"

    def geometry(self, window):
        fields = self.info(window)
        return tuple(int(fields[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                               "Width", "Height"))

    def title(self, window):
        output = self.tool("xprop", "-id", str(window), "_NET_WM_NAME", check=False)
        return output.split("=", 1)[1].strip().strip('"') if "=" in output else ""

    def window_type(self, window):
        return self.tool("xprop", "-id", str(window), "_NET_WM_WINDOW_TYPE", check=False)

    def parent(self, window):
        output = self.tool("xwininfo", "-children", "-id", str(window), check=False)
        for line in output.splitlines():
            if "Parent window id:" in line:
                return int(line.split(":")[1].split()[0], 16)
        return 0


class Vostek:
    """One run of the program in a folder, and what it shows."""

    def __init__(self, session, folder):
        self.session = session
        self.process = session.start([VOSTEK], cwd=folder)

    def tray_icon(self):
        # The icon's window once the tray host has docked it (reparented away from root).
        for window in self.session.windows(self.process.pid):
            if (self.session.viewable(window) and self.session.parent(window) not in
                    (0, self.session.root)):
                return window
        return None

    def balloon(self):
        for window in self.session.windows(self.process.pid):
            if (self.session.viewable(window) and
                    "_NET_WM_WINDOW_TYPE_TOOLTIP" in self.session.window_type(window)):
                return window
        return None

    def main_window(self):
        """The shown launcher window (a normal top-level window titled ... VOSTEK)."""
        for window in self.session.windows(self.process.pid):
            if (self.session.viewable(window) and self.session.parent(window) == self.session.root
                    and "TOOLTIP" not in self.session.window_type(window)
                    and "MENU" not in self.session.window_type(window)
                    and self.session.title(window) not in ("", "VOSTEK")):
                return window
        return None

    def wait_shown(self):
        return wait_for("the launcher window", self.main_window)

    def wait_title(self, window, title):
        wait_for("the title " + title, lambda: self.session.title(window) == title)

    def wait_exit(self, timeout=15):
        return self.process.wait(timeout=timeout)


@unittest.skipUnless(VOSTEK and all(shutil.which(tool) for tool in TOOLS),
                     "needs VOSTEK_BIN, Xvfb, trayer, xdotool and the X11 tools")
class LauncherWindowTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="vostek-e2e-")
        runtime = os.path.join(cls.folder, "runtime")
        os.mkdir(runtime, 0o700)
        cls.work = os.path.join(cls.folder, "work")
        files = os.path.join(cls.folder, "ファイル")
        os.makedirs(cls.work)
        os.makedirs(os.path.join(files, "写真"))
        os.makedirs(os.path.join(files, "repository"))
        for name in ("レポート2024.txt", "議事録_定例会議.txt", "メモ帳.txt", "見積書.pdf"):
            with open(os.path.join(files, name), "w", encoding="utf-8") as file:
                file.write("VOSTEK\n")
        if os.path.isdir(DICTIONARY):
            os.symlink(DICTIONARY, os.path.join(cls.work, "dict"))
        cls.items = collection(["グループ0", "仕事"], [
            ("レポート2024.txt", 9, 1700000900, 1, 0, files + "/レポート2024.txt"),
            ("議事録_定例会議.txt", 7, 1700000800, 1, 1, files + "/議事録_定例会議.txt"),
            ("repository", 5, 1700000700, 0, 0, files + "/repository"),
            ("写真", 4, 1700000600, 0, 1, files + "/写真"),
            ("見積書.pdf", 3, 1700000500, 1, 2, files + "/見積書.pdf"),
            ("メモ帳.txt", 2, 1700000400, 0, 2, files + "/メモ帳.txt"),
        ])
        with open(os.path.join(cls.work, "items.vkd"), "wb") as file:
            file.write(cls.items)
        cls.session = XSession(cls.folder)
        cls.session.env["XDG_RUNTIME_DIR"] = runtime

    @classmethod
    def tearDownClass(cls):
        cls.session.close()
        shutil.rmtree(cls.folder, ignore_errors=True)

    def make_folder(self, name, settings=None):
        folder = os.path.join(self.folder, name)
        os.makedirs(folder)
        os.symlink(os.path.join(self.work, "dict"), os.path.join(folder, "dict"))
        with open(os.path.join(folder, "items.vkd"), "wb") as file:
            file.write(self.items)
        if settings:
            with open(os.path.join(folder, "setting.ini"), "w", encoding="utf-8") as file:
                file.write("[GENERAL]\n" + settings)
        return folder

    def click_icon(self, icon, button, repeat=1):
        x, y, width, height = self.session.geometry(icon)
        self.session.tool("xdotool", "mousemove", str(x + width // 2), str(y + height // 2))
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
        expected_y = min(max(cursor[1] - height // 2, 0), SCREEN[1] - 24 - height)
        self.assertEqual((x, y), (expected_x, expected_y))

    def test_1_first_start_greets_and_the_hot_key_shows_searches_and_hides(self):
        session = self.session
        vostek = Vostek(session, self.work)
        try:
            wait_for("the tray icon", vostek.tray_icon)
            balloon = wait_for("the greeting balloon", vostek.balloon)
            x, y, width, _ = session.geometry(balloon)
            self.assertGreater(x + width, SCREEN[0] // 2, "the balloon points at the icon")
            self.assertGreater(y, SCREEN[1] // 2, "the balloon points at the icon")
            self.assertIsNone(vostek.main_window(), "the window starts hidden")

            session.tool("xdotool", "mousemove", "500", "400")
            session.key("alt+space")
            window = vostek.wait_shown()
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
            session.tool("xdotool", "mousemove", "60", "50")
            session.key("alt+space")
            vostek.wait_shown()
            vostek.wait_title(window, POPULAR_TITLE)
            self.assert_centred_on(window, (60, 50))

            # Pressed again while shown: only raised, not moved.
            before = session.geometry(window)
            session.tool("xdotool", "mousemove", "900", "700")
            session.key("alt+space")
            stays("the window in place", lambda: session.geometry(window) == before, 0.5)

            # A settings toggle lives in memory until the exit.
            session.key("alt+p")
            session.key("t")
            self.assertIsNone(self.settings(), "nothing is written while running")

            # A second instance ends at once and changes nothing.
            second = session.start([VOSTEK], cwd=self.work)
            self.assertEqual(second.wait(timeout=15), 1)
            self.assertEqual(session.windows(second.pid), [])
            self.assertIsNone(self.settings())
            with open(os.path.join(self.work, "items.vkd"), "rb") as file:
                self.assertEqual(file.read(), self.items)
            self.assertTrue(session.viewable(window))

            session.key("alt+f")
            session.key("x")
            self.assertEqual(vostek.wait_exit(), 1)
        finally:
            if vostek.process.poll() is None:
                vostek.process.kill()
        settings = self.settings()
        self.assertIsNotNone(settings)
        self.assertEqual(settings["showtool"], "0")
        self.assertEqual(settings["help_start"], "1")
        self.assertEqual(settings["popular"], "1")

    def test_2_later_starts_do_not_greet_and_the_tray_icon_shows_the_window(self):
        session = self.session
        vostek = Vostek(session, self.work)
        try:
            icon = wait_for("the tray icon", vostek.tray_icon)
            stays("no greeting", lambda: vostek.balloon() is None, 1.5)

            self.click_icon(icon, 1, repeat=2)
            window = vostek.wait_shown()
            vostek.wait_title(window, POPULAR_TITLE)
            session.key("Escape")
            wait_for("the window to hide", lambda: not session.viewable(window))

            # The tray menu's last entry ends the program through the normal exit.
            self.click_icon(icon, 3)
            wait_for("the tray menu", lambda: any(
                w != icon and session.viewable(w) and session.parent(w) == session.root
                for w in session.windows(vostek.process.pid)))
            session.key("Up", "Return")
            self.assertEqual(vostek.wait_exit(), 1)
        finally:
            if vostek.process.poll() is None:
                vostek.process.kill()
        self.assertEqual(self.settings()["showtool"], "0", "kept from the first run")

    def test_3_without_a_hot_key_the_tray_icon_still_shows_the_window(self):
        session = self.session
        folder = self.make_folder("no-hot-key", "hotkey=0\nhelp_start=1\n")
        vostek = Vostek(session, folder)
        try:
            icon = wait_for("the tray icon", vostek.tray_icon)
            session.key("alt+space")
            stays("the window hidden", lambda: vostek.main_window() is None, 1.0)
            self.click_icon(icon, 1, repeat=2)
            vostek.wait_shown()
            vostek.process.terminate()  # the session's end runs the normal exit
            self.assertEqual(vostek.wait_exit(), 1)
        finally:
            if vostek.process.poll() is None:
                vostek.process.kill()

    def test_4_a_tray_that_appears_later_gets_the_icon_and_the_greeting(self):
        session = self.session
        folder = self.make_folder("late-tray")
        session.stop_tray()
        vostek = Vostek(session, folder)
        try:
            # No tray yet: the hot-key works all the same. Nothing on screen tells when
            # the program is ready, and a press while shown only raises: press until shown.
            session.tool("xdotool", "mousemove", "500", "400")

            def press_and_look():
                session.key("alt+space")
                time.sleep(0.2)
                return vostek.main_window()

            window = wait_for("the launcher window", press_and_look)
            session.key("Escape")
            wait_for("the window to hide", lambda: not session.viewable(window))
            self.assertIsNone(vostek.balloon())

            session.start_tray()
            wait_for("the tray icon", vostek.tray_icon)
            wait_for("the greeting balloon", vostek.balloon)
            vostek.process.terminate()
            self.assertEqual(vostek.wait_exit(), 1)
        finally:
            if vostek.process.poll() is None:
                vostek.process.kill()


if __name__ == "__main__":
    unittest.main(verbosity=2)
