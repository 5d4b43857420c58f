"""What the end-to-end tests share: polling, the items.vkd format, a temporary work area
with private runtime and XDG folders, and an X session (Xvfb on a free display, a tray
host and the X tools that drive and inspect it). Not named *_e2e.py: every such file is
registered as a test of its own."""

import os
import re
import shutil
import stat
import struct
import subprocess
import tempfile
import time

BIN = os.environ.get("VOSTEK_BIN", "build/vostek")
DICTIONARY = "/usr/share/cmigemo/utf-8"
LOCK_NAME = "letsgosoundingourheels"
TIMEOUT = 15.0
X_TOOLS = ("Xvfb", "trayer", "xdotool", "xprop", "xwininfo")


# --- polling ---------------------------------------------------------------------------

def wait_until(condition, timeout=TIMEOUT):
    """Polls until condition() gives something true and returns it; None on timeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() > deadline:
            return value or None
        time.sleep(0.02)


def wait_for(what, condition, timeout=TIMEOUT, details=None):
    """As wait_until, but a timeout fails the test, with what details() tells."""
    value = wait_until(condition, timeout)
    if not value:
        raise AssertionError("timed out waiting for " + what
                             + ("\n" + details() if details else ""))
    return value


def stays(what, condition, duration):
    """Fails unless condition() stays true for the whole duration."""
    deadline = time.monotonic() + duration
    while time.monotonic() < deadline:
        if not condition():
            raise AssertionError("no longer true: " + what)
        time.sleep(0.05)


def holds_open(pid, path):
    """True once the process has `path` open. The program opens its lock file after it
    has set up its signal handling, so from then on a signal takes the normal exit."""
    try:
        fds = os.listdir(f"/proc/{pid}/fd")
    except FileNotFoundError:
        return False
    for fd in fds:
        try:
            if os.readlink(f"/proc/{pid}/fd/{fd}") == path:
                return True
        except OSError:
            pass
    return False


# --- items.vkd -------------------------------------------------------------------------

ITEM_CLASS = b"\xff\xff" + struct.pack("<HH", 1, 10) + b"VostekItem"
ITEM_REFERENCE = b"\x01\x80"
TIME_MARK = 0x8000000A


def archive_string(text):
    data = text.encode("utf-8")
    if len(data) < 0xFF:
        return bytes([len(data)]) + data
    return b"\xff" + struct.pack("<H", len(data)) + data


def id_list(path):
    """The ID list of an absolute path: one file-name item per component."""
    data = b""
    for part in path.encode("utf-8").split(b"/"):
        if part:
            data += struct.pack("<HB", len(part) + 3, 1) + part
    return data + b"\0\0"


def collection(groups, items):
    """The bytes of a collection: group names, then items given as (name, count, time,
    group, order, path)."""
    data = struct.pack("<H", len(groups)) + b"".join(archive_string(g) for g in groups)
    data += struct.pack("<H", len(items))
    for index, (name, count, when, group, order, path) in enumerate(items):
        pidl = id_list(path) if path else b""
        data += ITEM_CLASS if index == 0 else ITEM_REFERENCE
        data += archive_string(name) + struct.pack("<II", count, TIME_MARK)
        data += struct.pack("<qiII", when, group, order, len(pidl)) + pidl
    return data


# --- the work area ----------------------------------------------------------------------

class WorkArea:
    """A temporary folder with a private runtime folder (for the instance lock), and
    program folders made in it."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="vostek-e2e-")
        self.runtime = self.folder("runtime")
        os.chmod(self.runtime, stat.S_IRWXU)
        self.lock = os.path.join(self.runtime, "vostek", LOCK_NAME)

    def folder(self, *parts):
        path = os.path.join(self.root, *parts)
        os.makedirs(path, exist_ok=True)
        return path

    @staticmethod
    def write(path, content, mode=0o644):
        with open(path, "wb") as file:
            file.write(content if isinstance(content, bytes) else content.encode("utf-8"))
        os.chmod(path, mode)

    @staticmethod
    def read(path):
        with open(path, "rb") as file:
            return file.read()

    def program_folder(self, name, items=None, settings=None, dictionary=True):
        """A folder to run the program in, with the dictionary linked in (when installed)
        and the given items.vkd bytes and setting.ini text."""
        path = self.folder(name)
        if dictionary and os.path.isdir(DICTIONARY):
            os.symlink(DICTIONARY, os.path.join(path, "dict"))
        if items is not None:
            self.write(os.path.join(path, "items.vkd"), items)
        if settings is not None:
            self.write(os.path.join(path, "setting.ini"), settings)
        return path

    def logging_handler(self):
        """Makes the desktop's default for plain text a script that logs what it is asked
        to open; returns the log's path and the environment that makes it the default."""
        log = os.path.join(self.root, "opened.log")
        handler = os.path.join(self.root, "handler.sh")
        self.write(handler, f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{log}"\n', stat.S_IRWXU)
        self.write(os.path.join(self.folder("share", "applications"), "vostek-test.desktop"),
                   "[Desktop Entry]\nType=Application\nName=VOSTEK test handler\n"
                   f"Exec={handler} %f\nMimeType=text/plain;\nNoDisplay=true\n")
        self.write(os.path.join(self.folder("config"), "mimeapps.list"),
                   "[Default Applications]\ntext/plain=vostek-test.desktop\n\n"
                   "[Added Associations]\ntext/plain=vostek-test.desktop;\n")
        return log, {"XDG_CONFIG_DIRS": self.folder("config"),
                     "XDG_DATA_DIRS": self.folder("share") + ":/usr/local/share:/usr/share"}

    def cleanup(self):
        shutil.rmtree(self.root, ignore_errors=True)


# --- the X session ----------------------------------------------------------------------

def missing_x_tools():
    return [tool for tool in X_TOOLS if shutil.which(tool) is None]


class XSession:
    """Xvfb on a free display with a tray host at the bottom right (or top right), and
    optionally openbox as the window manager with its stock key bindings; the environment
    for programs on it (private HOME and XDG folders in the work area), and the tools that
    drive and look at it. Everything started here logs to session.log."""

    SCREEN = (1024, 768)
    TRAY_HEIGHT = 24

    def __init__(self, area, window_manager=False, tray_edge="bottom", session_bus=False):
        self.processes = []
        self.log_path = os.path.join(area.root, "session.log")
        self.log = open(self.log_path, "ab")
        number = self.start_and_read(
            lambda fd: ["Xvfb", "-displayfd", str(fd), "-nolisten", "tcp", "-noreset",
                        "-screen", "0", "%dx%dx24" % self.SCREEN], env=dict(os.environ))
        self.env = dict(os.environ, DISPLAY=":" + number, QT_QPA_PLATFORM="xcb",
                        HOME=area.folder("home"), XDG_RUNTIME_DIR=area.runtime,
                        XDG_CONFIG_HOME=area.folder("config"),
                        XDG_CACHE_HOME=area.folder("cache"),
                        XDG_DATA_HOME=area.folder("share"),
                        GIO_USE_VFS="local", LANG="C.UTF-8", LC_ALL="C.UTF-8")
        # No session bus of the caller's (so no StatusNotifier host) and no other display.
        for name in ("DBUS_SESSION_BUS_ADDRESS", "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP"):
            self.env.pop(name, None)
        if session_bus:
            self.start_session_bus()
        self.root = int(self.tool("xwininfo", "-root").split("Window id: ")[1].split()[0], 16)
        self.window_manager = window_manager
        if window_manager:
            self.start(["openbox", "--sm-disable"])
            wait_for("the window manager", lambda: "window id" in self.tool(
                "xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False))
        self.tray_edge = tray_edge
        self.tray = None
        self.start_tray()

    def start_session_bus(self):
        """A private session bus, as a desktop has: without one the toolkit starts one
        through a helper process it forks, which slows a large program's start-up."""
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.start_and_read(
            lambda fd: ["dbus-daemon", "--session", "--nofork", f"--print-address={fd}"])

    def start_and_read(self, command_writing_to, env=None):
        """Starts the server that command_writing_to(fd) makes, which writes where it can
        be reached to that file descriptor once it is, and returns that first line."""
        read_end, write_end = os.pipe()
        command = command_writing_to(write_end)
        self.start(command, env=env, pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            line = pipe.readline().strip()
        if not line:
            self.close()
            raise RuntimeError(command[0] + " did not start")
        return line

    def start(self, command, env=None, **options):
        process = subprocess.Popen(command, env=env or self.env, stdin=subprocess.DEVNULL,
                                   stdout=self.log, stderr=self.log, **options)
        self.processes.append(process)
        return process

    def start_tray(self):
        self.tray = self.start(["trayer", "--edge", self.tray_edge, "--align", "right",
                                "--widthtype", "request", "--height", str(self.TRAY_HEIGHT),
                                "--SetDockType", "true"])
        wait_for("the tray host", self.tray_window)

    def stop_tray(self):
        self.tray.terminate()
        self.tray.wait(timeout=10)
        wait_for("the tray host to go", lambda: not self.tray_window())

    def tray_window(self):
        return self.tool("xdotool", "search", "--classname", "trayer", check=False).strip()

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self.log.close()
        # A sanitizer build's program reports on standard error and runs on: a report
        # anywhere in the session fails the test.
        with open(self.log_path, "rb") as file:
            log = file.read().decode(errors="replace")
        report = re.search(r"(?m)^(WARNING|ERROR): \w+Sanitizer", log)
        if report:
            raise AssertionError("a sanitizer report in the session:\n"
                                 + log[report.start():report.start() + 6000])

    def diagnostics(self):
        """The end of the session's log, for failure messages."""
        self.log.flush()
        with open(self.log_path, "rb") as file:
            return "--- session.log\n" + file.read()[-3000:].decode(errors="replace")

    def tool(self, *command, check=True):
        result = subprocess.run(command, env=self.env, capture_output=True, timeout=30)
        if check and result.returncode != 0:
            raise AssertionError("%s failed: %s" % (command, result.stderr.decode()))
        return result.stdout.decode("utf-8", "replace")

    def key(self, *keys):
        self.tool("xdotool", "key", "--delay", "40", *keys)

    def type(self, text):
        self.tool("xdotool", "type", "--delay", "40", text)

    def move_pointer(self, x, y):
        self.tool("xdotool", "mousemove", str(x), str(y))

    def focused_window(self):
        output = self.tool("xdotool", "getwindowfocus", check=False).strip()
        return int(output) if output.isdigit() else None

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

    def outer_geometry(self, window):
        """The window with the frame a window manager put around it."""
        parent = self.parent(window)
        return self.geometry(parent if parent not in (0, self.root) else window)

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
    """One run of the program in a folder on the X session, and what it shows."""

    def __init__(self, session, folder, *options):
        self.session = session
        self.process = session.start([BIN, *options], cwd=folder, env=self.env(session, folder))

    @staticmethod
    def env(session, folder):
        """The session's environment with `folder` as the program's data folder."""
        return dict(session.env, VOSTEK_HOME=folder)

    def running(self, lock):
        """Waits until the program holds its lock; fails if it ended instead."""
        wait_for("the program to start", lambda: self.process.poll() is not None
                 or holds_open(self.process.pid, lock), details=self.session.diagnostics)
        if self.process.poll() is not None:
            raise AssertionError(f"ended with {self.process.returncode}\n"
                                 + self.session.diagnostics())
        return self

    def tray_icon(self):
        """The icon's window once the tray host has docked it (reparented from root)."""
        for window in self.session.windows(self.process.pid):
            if (self.session.viewable(window)
                    and self.session.parent(window) not in (0, self.session.root)):
                return window
        return None

    def balloon(self):
        for window in self.session.windows(self.process.pid):
            if (self.session.viewable(window)
                    and "_NET_WM_WINDOW_TYPE_TOOLTIP" in self.session.window_type(window)):
                return window
        return None

    def main_window(self):
        """The shown launcher window: a normal top-level window titled "... VOSTEK" (in
        the frame of the window manager, if one runs)."""
        for window in self.session.windows(self.process.pid):
            parent = self.session.parent(window)
            if (self.session.viewable(window)
                    and (parent == self.session.root or self.session.window_manager
                         and self.session.parent(parent) == self.session.root)
                    and "TOOLTIP" not in self.session.window_type(window)
                    and "MENU" not in self.session.window_type(window)
                    and self.session.title(window) not in ("", "VOSTEK")):
                return window
        return None

    def show(self, x=500, y=400, hot_key="alt+space"):
        """Presses the hot-key with the pointer at (x, y) until the window shows: nothing
        on screen tells when the key is grabbed, and a press while shown only raises.
        Returns the window once it has the focus (where no window manager hands it over,
        the pointer inside it still gets the keys)."""
        self.session.move_pointer(x, y)

        def press_and_look():
            self.session.key(hot_key)
            return wait_until(self.main_window, timeout=2.0)

        window = wait_for("the launcher window", press_and_look,
                          details=self.session.diagnostics)
        wait_until(lambda: self.session.focused_window() == window, timeout=3.0)
        return window

    def wait_title(self, window, title):
        wait_for(f"the title {title!r}", lambda: self.session.title(window) == title,
                 details=lambda: f"shown: {self.session.title(window)!r}\n"
                 + self.session.diagnostics())

    def wait_exit(self, timeout=TIMEOUT):
        return self.process.wait(timeout=timeout)

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
