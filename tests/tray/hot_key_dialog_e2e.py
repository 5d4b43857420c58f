#!/usr/bin/env python3
"""The hot-key chosen in the program, on a real X server: a click on the report of a key
openbox keeps opens the dialog; a combination another client holds is refused in the
dialog and a free one is grabbed at once and written at exit; and, in a session that is
not X11, the hot-key as a shortcut of the real xdg-desktop-portal over a small back end
of the test's own: bound with the configured trigger, shown by its activation, rebound
from the dialog."""

import ctypes
import ctypes.util
import json
import os
import shutil
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from e2e_harness import (BIN, Vostek, WorkArea, XSession, missing_x_tools, stays,  # noqa: E402
                         wait_for, wait_until)

DIALOG_TITLE = "ホットキーの設定"
PORTAL = "/usr/libexec/xdg-desktop-portal"
BACKEND = "org.freedesktop.impl.portal.desktop.vostektest"
# The back end runs on Debian's own Python, which has the GLib bindings.
SYSTEM_PYTHON = "/usr/bin/python3"
FAKE_PORTAL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fake_shortcuts_portal.py")


def settings_of(folder):
    with open(os.path.join(folder, "setting.ini"), encoding="utf-8") as file:
        return dict(line.strip().split("=", 1) for line in file if "=" in line)


def dialog(session, pid):
    for window in session.windows(pid):
        if session.viewable(window) and session.title(window) == DIALOG_TITLE:
            return window
    return None


def open_dialog(test, vostek):
    """Opens the dialog from the settings menu of the shown window, pointer inside it."""
    session = vostek.session
    window = vostek.show()
    session.key("alt+p")
    session.key("k")
    found = wait_for("the hot-key dialog", lambda: dialog(session, vostek.process.pid),
                     details=session.diagnostics)
    x, y, width, height = session.geometry(found)
    session.move_pointer(x + width // 2, y + 10)
    wait_until(lambda: session.focused_window() == found, timeout=3.0)
    return window, found


def hide(vostek):
    """Esc in the shown window, with the pointer inside it for where no window manager
    gives it the focus."""
    session = vostek.session
    window = vostek.main_window()
    x, y, width, height = session.geometry(window)
    session.move_pointer(x + width // 2, y + height // 2)
    session.key("Escape")
    wait_for("the window to hide", lambda: not vostek.main_window())


class KeyHolder:
    """Another X client holding a combination under NumLock only: the key still reaches
    the dialog without NumLock, but VOSTEK cannot have it under every lock state."""

    def __init__(self, display, keysym, modifiers):
        self.x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XStringToKeysym.restype = ctypes.c_ulong
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XGrabKey.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_uint,
                                      ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_int]
        self.x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.display = self.x11.XOpenDisplay(display.encode())
        keycode = self.x11.XKeysymToKeycode(self.display, self.x11.XStringToKeysym(keysym.encode()))
        mod2 = 1 << 4  # NumLock
        self.x11.XGrabKey(self.display, keycode, modifiers | mod2,
                          self.x11.XDefaultRootWindow(self.display), 1, 1, 1)
        self.x11.XSync(self.display, 0)

    def close(self):
        self.x11.XCloseDisplay(self.display)


@unittest.skipIf(missing_x_tools(), "needs " + ", ".join(missing_x_tools()))
class HotKeyDialogTest(unittest.TestCase):
    def setUp(self):
        self.area = WorkArea()
        self.addCleanup(self.area.cleanup)
        self.session = XSession(self.area)
        self.addCleanup(self.session.close)

    def test_a_held_combination_is_refused_and_a_free_one_taken_at_once(self):
        session = self.session
        control, alt = 1 << 2, 1 << 3
        holder = KeyHolder(session.env["DISPLAY"], "j", control | alt)
        self.addCleanup(holder.close)
        folder = self.area.program_folder("dialog", settings="[GENERAL]\nhelp_start=1\n")
        vostek = Vostek(session, folder).running(self.area.lock)
        self.addCleanup(vostek.kill)
        wait_for("the tray icon", vostek.tray_icon)
        _, found = open_dialog(self, vostek)

        # Held by the other client under NumLock: refused, so Enter does not take it.
        session.key("ctrl+alt+j")
        session.key("Return")
        stays("the dialog open over a refused combination",
              lambda: dialog(session, vostek.process.pid) == found, 1.0)
        # Free: grabbed at once, and kept.
        session.key("ctrl+alt+k")
        session.key("Return")
        wait_for("the dialog to close", lambda: not dialog(session, vostek.process.pid),
                 details=session.diagnostics)
        hide(vostek)
        vostek.show(hot_key="ctrl+alt+k")
        # Alt+Space is given up.
        hide(vostek)
        session.key("alt+space")
        stays("the window hidden after the old key", lambda: not vostek.main_window(), 1.0)

        vostek.process.terminate()
        vostek.wait_exit()
        settings = settings_of(folder)
        self.assertEqual((settings["hotkey"], settings["hotkeyMask"]), ("75", "3"))


@unittest.skipIf(missing_x_tools() or not shutil.which("openbox"),
                 "needs openbox and " + ", ".join(missing_x_tools()))
class TakenHotKeyTest(unittest.TestCase):
    def test_a_click_on_the_report_of_a_taken_key_opens_the_dialog(self):
        area = WorkArea()
        self.addCleanup(area.cleanup)
        # openbox keeps Alt+Space for its window menu.
        session = XSession(area, window_manager=True)
        self.addCleanup(session.close)
        folder = area.program_folder("taken", settings="[GENERAL]\nhelp_start=1\n")
        vostek = Vostek(session, folder).running(area.lock)
        self.addCleanup(vostek.kill)
        balloon = wait_for("the report of the taken key", vostek.balloon,
                           details=session.diagnostics)
        x, y, width, height = session.geometry(balloon)
        session.move_pointer(x + width // 2, y + height // 3)
        session.tool("xdotool", "click", "1")
        wait_for("the hot-key dialog", lambda: dialog(session, vostek.process.pid),
                 details=session.diagnostics)


def portal_missing():
    if missing_x_tools():
        return "needs " + ", ".join(missing_x_tools())
    if not os.path.exists(PORTAL) or not shutil.which("dbus-daemon"):
        return "needs xdg-desktop-portal and dbus-daemon"
    if subprocess.run([SYSTEM_PYTHON, "-c", "import gi"], capture_output=True).returncode != 0:
        return "needs python3-gi"
    return None


@unittest.skipIf(portal_missing(), portal_missing())
class PortalShortcutTest(unittest.TestCase):
    def setUp(self):
        self.area = WorkArea()
        self.addCleanup(self.area.cleanup)
        self.session = XSession(self.area, session_bus=True)
        self.addCleanup(self.session.close)
        portals = self.area.folder("portals")
        self.area.write(os.path.join(portals, "vostektest.portal"),
                        "[portal]\nDBusName=%s\n"
                        "Interfaces=org.freedesktop.impl.portal.GlobalShortcuts\n"
                        "UseIn=vostektest\n" % BACKEND)
        self.session.env.update(XDG_DESKTOP_PORTAL_DIR=portals, XDG_CURRENT_DESKTOP="vostektest")
        backend = subprocess.Popen([SYSTEM_PYTHON, FAKE_PORTAL, BACKEND], env=self.session.env,
                                   stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                   stderr=self.session.log)
        self.addCleanup(backend.wait)
        self.addCleanup(backend.terminate)
        self.assertEqual(backend.stdout.readline().strip(), b"ready")
        self.session.start([PORTAL, "--replace"])
        wait_for("the portal", lambda: "GlobalShortcuts" in self.session.tool(
            "gdbus", "introspect", "--session", "-d", "org.freedesktop.portal.Desktop",
            "-o", "/org/freedesktop/portal/desktop", check=False))

    def control(self, method, *args):
        return self.session.tool("gdbus", "call", "--session", "-d", BACKEND, "-o",
                                 "/org/freedesktop/portal/desktop", "-m",
                                 "org.vostek.test.ShortcutsControl." + method, *args)

    def bindings(self):
        """The shortcuts bound, as [id, trigger]; gdbus prints ('<json>',)."""
        bound = json.loads(self.control("Bindings").strip()[2:-3])
        return [[id_, trigger] for id_, _, trigger in bound["shortcuts"]]

    def test_bound_with_the_configured_trigger_shown_on_activation_rebound_from_the_dialog(self):
        session = self.session
        folder = self.area.program_folder(
            "portal", settings="[GENERAL]\nhelp_start=1\nhotkey=75\nhotkeyMask=3\n")
        # A Wayland session: the X server here stands for XWayland, whose grabs are not global.
        env = dict(Vostek.env(session, folder), XDG_SESSION_TYPE="wayland")
        vostek = Vostek.__new__(Vostek)
        vostek.session = session
        vostek.process = session.start([BIN], cwd=folder, env=env)
        vostek.running(self.area.lock)
        self.addCleanup(vostek.kill)

        wait_for("the shortcut bound", self.bindings, details=session.diagnostics)
        self.assertEqual(self.bindings(), [["show", "CTRL+ALT+k"]])
        self.assertIsNone(vostek.balloon(), "nothing to report: the key is the desktop's")
        session.move_pointer(500, 400)
        self.control("Press", "show")
        window = wait_for("the window shown by the shortcut", vostek.main_window,
                          details=session.diagnostics)

        # Chosen again in the dialog: the portal is asked with the new trigger.
        vostek.show = lambda **_: window
        _, found = open_dialog(self, vostek)
        session.key("ctrl+shift+F9")
        wait_for("the new trigger at the portal",
                 lambda: self.bindings() == [["show", "CTRL+SHIFT+F9"]],
                 details=lambda: str(self.bindings()) + session.diagnostics())
        session.key("Return")
        wait_for("the dialog to close", lambda: not dialog(session, vostek.process.pid))

        # The desktop rebinds it in its own settings; its activation still shows the window.
        self.control("Rebind", "show", "Meta+F9")
        hide(vostek)
        self.control("Press", "show")
        wait_for("the window shown again", vostek.main_window, details=session.diagnostics)

        vostek.process.terminate()
        vostek.wait_exit()
        settings = settings_of(folder)
        self.assertEqual((settings["hotkey"], settings["hotkeyMask"]), ("120", "6"))


if __name__ == "__main__":
    unittest.main()
