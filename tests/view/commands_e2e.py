"""Item and group commands of the real program on a real X server: Enter launches the
selected item through the desktop's default handler and hides the window, Delete removes
it, Ctrl+N adds a group, Left and Right step through the view cycle, and the collection
file holds the changes after the exit."""

import os
import shutil
import signal
import stat
import struct
import subprocess
import tempfile
import time
import unittest

BIN = os.environ.get("VOSTEK_BIN", "build/vostek")
DICTIONARY = "/usr/share/cmigemo/utf-8"
LOCK_NAME = "letsgosoundingourheels"
TIMEOUT = 15.0

RECENT_TITLE = "（最近使ったファイル） - VOSTEK"
GROUP0 = "グループ0"
GROUP1 = "グループ1"

SETTINGS = (b"[GENERAL]\npopular=0\nrecent=1\nstaygroup=0\nshowicon=1\nshowtool=1\n"
            b"hotkey=32\nhotkeyMask=1\nwidth=300\nheight=260\nhelp_start=1\ng_autohide=0\n")


def wait_until(condition, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.05)
    return None


# The collection file, written and read in its archive framing.

def pack_string(text):
    data = text.encode("utf-8")
    if len(data) < 0xFF:
        return bytes([len(data)]) + data
    return b"\xff" + struct.pack("<H", len(data)) + data


def id_list_of_path(path):
    items = b""
    for part in path.encode("utf-8").split(b"/"):
        if part:
            items += struct.pack("<H", 3 + len(part)) + b"\x01" + part
    return items + b"\x00\x00"


def pack_item(name, count, time_value, group, order, path):
    id_list = id_list_of_path(path) if path else b""
    return (pack_string(name) + struct.pack("<I", count) + struct.pack("<I", 0x8000000A)
            + struct.pack("<q", time_value) + struct.pack("<iI", group, order)
            + struct.pack("<I", len(id_list)) + id_list)


def pack_collection(groups, items):
    out = struct.pack("<H", len(groups)) + b"".join(pack_string(g) for g in groups)
    out += struct.pack("<H", len(items))
    for index, item in enumerate(items):
        if index == 0:
            out += b"\xff\xff" + struct.pack("<HH", 1, 10) + b"VostekItem"
        else:
            out += b"\x01\x80"
        out += pack_item(*item)
    return out


class Reader:
    def __init__(self, data):
        self.data = data
        self.at = 0

    def take(self, size):
        chunk = self.data[self.at:self.at + size]
        if len(chunk) != size:
            raise ValueError("collection file ends early")
        self.at += size
        return chunk

    def unpack(self, fmt):
        return struct.unpack(fmt, self.take(struct.calcsize(fmt)))[0]

    def string(self):
        size = self.unpack("<B")
        if size == 0xFF:
            size = self.unpack("<H")
        return self.take(size).decode("utf-8")


def read_collection(data):
    """Group names and items (name, count, group, order) of a narrow-string file."""
    reader = Reader(data)
    groups = [reader.string() for _ in range(reader.unpack("<H"))]
    items = []
    for index in range(reader.unpack("<H")):
        tag = reader.take(2)
        if index == 0:
            if tag != b"\xff\xff" or reader.take(14) != struct.pack("<HH", 1, 10) + b"VostekItem":
                raise ValueError("first item without its class")
        elif tag != b"\x01\x80":
            raise ValueError("item without the class reference")
        name = reader.string()
        count = reader.unpack("<I")
        if reader.unpack("<I") != 0x8000000A:
            raise ValueError("time without its mark")
        reader.unpack("<q")
        group = reader.unpack("<i")
        order = reader.unpack("<I")
        reader.take(reader.unpack("<I"))
        items.append((name, count, group, order))
    if reader.at != len(data):
        raise ValueError("bytes after the last item")
    return groups, items


class Desktop:
    """Xvfb with a tray host, and the X tools to drive it."""

    def __init__(self, folder):
        self.processes = []
        self.log = open(os.path.join(folder, "desktop.log"), "wb")
        read_end, write_end = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                    "-nolisten", "tcp"], pass_fds=(write_end,), stdout=self.log, stderr=self.log)
        os.close(write_end)
        with os.fdopen(read_end) as display:
            number = display.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number
        self.env = dict(os.environ, DISPLAY=self.display)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.start(["trayer", "--edge", "top", "--align", "right", "--widthtype", "request"],
                   env=self.env, stdout=self.log, stderr=self.log)

    def start(self, command, **options):
        process = subprocess.Popen(command, stdin=subprocess.DEVNULL, **options)
        self.processes.append(process)
        return process

    def xdotool(self, *arguments):
        result = subprocess.run(["xdotool", *arguments], env=self.env, capture_output=True,
                                text=True, timeout=TIMEOUT)
        return result.stdout.strip()

    def visible_windows(self, pid):
        """Window id -> title of every visible window of the process."""
        return {window: self.xdotool("getwindowname", window)
                for window in self.xdotool("search", "--onlyvisible", "--pid", str(pid)).split()}

    def visible_titles(self, pid):
        return list(self.visible_windows(pid).values())

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self.log.close()


class CommandsTest(unittest.TestCase):
    def setUp(self):
        for tool in ("Xvfb", "trayer", "xdotool"):
            self.assertIsNotNone(shutil.which(tool), f"{tool} is missing (scripts/install-deps)")
        self._root = tempfile.TemporaryDirectory(prefix="vostek-commands-")
        self.root = self._root.name
        self.desktop = Desktop(self.root)
        self.program = None

    def tearDown(self):
        if self.program is not None and self.program.poll() is None:
            self.program.kill()
            self.program.wait()
        self.desktop.close()
        self._root.cleanup()

    def folder(self, *parts):
        path = os.path.join(self.root, *parts)
        os.makedirs(path, exist_ok=True)
        return path

    def write(self, path, content, mode=0o644):
        with open(path, "wb") as f:
            f.write(content)
        os.chmod(path, mode)

    def prepare_handler(self):
        """A desktop entry that logs what it is asked to open, made the default for plain
        text in private XDG folders."""
        self.handler_log = os.path.join(self.root, "opened.log")
        handler = os.path.join(self.root, "handler.sh")
        self.write(handler, f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{self.handler_log}"\n'.encode(),
                   stat.S_IRWXU)
        entry = ("[Desktop Entry]\nType=Application\nName=VOSTEK test handler\n"
                 f"Exec={handler} %f\nMimeType=text/plain;\nNoDisplay=true\n")
        self.write(os.path.join(self.folder("share", "applications"), "vostek-test.desktop"),
                   entry.encode())
        mimeapps = ("[Default Applications]\ntext/plain=vostek-test.desktop\n\n"
                    "[Added Associations]\ntext/plain=vostek-test.desktop;\n")
        self.write(os.path.join(self.folder("config"), "mimeapps.list"), mimeapps.encode())

    def environment(self):
        runtime = self.folder("runtime")
        os.chmod(runtime, stat.S_IRWXU)
        env = dict(self.desktop.env)
        for name in ("QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS", "XDG_CURRENT_DESKTOP"):
            env.pop(name, None)
        env.update(
            HOME=self.folder("home"), XDG_RUNTIME_DIR=runtime,
            XDG_CONFIG_HOME=self.folder("config"), XDG_CONFIG_DIRS=self.folder("config"),
            XDG_DATA_HOME=self.folder("share"),
            XDG_DATA_DIRS=self.folder("share") + ":/usr/local/share:/usr/share",
            GIO_USE_VFS="local", QT_QPA_PLATFORM="xcb")
        return env

    def start_program(self, data):
        self.program_log = open(os.path.join(self.root, "vostek.log"), "wb")
        self.addCleanup(self.program_log.close)
        self.program = subprocess.Popen([BIN], cwd=data, env=self.environment(),
                                        stdin=subprocess.DEVNULL, stdout=self.program_log,
                                        stderr=self.program_log)
        lock = os.path.join(self.root, "runtime", LOCK_NAME)
        self.assertTrue(wait_until(lambda: self.program.poll() is not None
                                   or self.holds(lock)), self.diagnostics())
        self.assertIsNone(self.program.poll(), self.diagnostics())

    def holds(self, path):
        try:
            fds = os.listdir(f"/proc/{self.program.pid}/fd")
        except FileNotFoundError:
            return False
        for fd in fds:
            try:
                if os.readlink(f"/proc/{self.program.pid}/fd/{fd}") == path:
                    return True
            except OSError:
                pass
        return False

    def diagnostics(self):
        parts = []
        for name in ("vostek.log", "desktop.log"):
            path = os.path.join(self.root, name)
            if os.path.exists(path):
                with open(path, "rb") as f:
                    parts.append(f"--- {name}\n" + f.read()[-3000:].decode(errors="replace"))
        return "\n".join(parts)

    def titles(self):
        return self.desktop.visible_titles(self.program.pid)

    def show_window(self, title):
        """The hot-key shows the window at the cursor; the cursor stays inside it, so the
        keys that follow reach it even where no window manager gives it the focus."""
        self.desktop.xdotool("mousemove", "512", "384")

        def shown():
            # Pressed again while not yet shown: the key may have come before the grab,
            # and a hot-key on a shown window only raises it.
            self.desktop.xdotool("key", "alt+space")
            return wait_until(lambda: title in self.titles(), timeout=2.0)

        self.assertTrue(wait_until(shown),
                        f"window titled {title!r} not shown; visible: {self.titles()}\n"
                        + self.diagnostics())
        # Keys go to the focused window: wait for the shown one to take the focus (where
        # it never reports it, the pointer inside it still gets the keys there).
        windows = [w for w, name in self.desktop.visible_windows(self.program.pid).items()
                   if name == title]
        wait_until(lambda: self.desktop.xdotool("getwindowfocus") in windows, timeout=3.0)

    def press(self, key, title):
        self.desktop.xdotool("key", key)
        self.assertTrue(wait_until(lambda: title in self.titles()),
                        f"after {key}: expected {title!r}, visible: {self.titles()}\n"
                        + self.diagnostics())

    def opened(self):
        if not os.path.exists(self.handler_log):
            return []
        with open(self.handler_log, encoding="utf-8") as f:
            return f.read().splitlines()

    def test_item_and_group_commands_reach_the_collection_file(self):
        self.prepare_handler()
        files = self.folder("files")
        note = os.path.join(files, "note one.txt")
        other = os.path.join(files, "other.txt")
        self.write(note, b"hello\n")
        self.write(other, b"world\n")
        data = self.folder("data")
        os.symlink(DICTIONARY, os.path.join(data, "dict"))
        self.write(os.path.join(data, "setting.ini"), SETTINGS)
        self.write(os.path.join(data, "items.vkd"), pack_collection(
            [GROUP0], [("note one.txt", 3, 1700000000, 0, 0, note),
                       ("other.txt", 0, 0, 0, 1, other)]))

        self.start_program(data)

        # The recent view shows the launched item, selected; Enter opens it and hides.
        self.show_window(RECENT_TITLE)
        self.desktop.xdotool("key", "Return")
        self.assertTrue(wait_until(lambda: note in self.opened()),
                        f"handler log: {self.opened()}\n" + self.diagnostics())
        # (The tray icon's own window, titled VOSTEK, stays.)
        self.assertTrue(wait_until(lambda: RECENT_TITLE not in self.titles()),
                        f"still shown: {self.titles()}")
        self.assertEqual(self.opened(), [note])

        # Shown again, the same row is selected: Delete removes the item.
        self.show_window(RECENT_TITLE)
        self.desktop.xdotool("key", "Delete")

        # Ctrl+N adds a group and shows it; Left and Right step through the cycle
        # recent view, group 0, group 1.
        self.press("ctrl+n", f"{GROUP1} - VOSTEK")
        self.press("Left", f"{GROUP0} - VOSTEK")
        self.press("Left", RECENT_TITLE)
        self.press("Left", f"{GROUP1} - VOSTEK")
        self.press("Right", RECENT_TITLE)
        self.press("Right", f"{GROUP0} - VOSTEK")

        self.program.send_signal(signal.SIGTERM)
        self.assertEqual(self.program.wait(TIMEOUT), 1, self.diagnostics())
        with open(os.path.join(data, "items.vkd"), "rb") as f:
            groups, items = read_collection(f.read())
        self.assertEqual(groups, [GROUP0, GROUP1])
        self.assertEqual(items, [("other.txt", 0, 0, 1)])
        self.assertEqual(self.opened(), [note])  # nothing else was opened


if __name__ == "__main__":
    unittest.main()
