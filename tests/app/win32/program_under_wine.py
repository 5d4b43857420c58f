"""The Windows program end to end, under Wine on its own Xvfb: started in a scratch folder
with two files taken in as dropped, the tray icon shows the window, a romaji search
narrows the rows, Enter launches a batch file that logs its run, the hot-key shows the
window again and Esc hides it, the tray menu ends the program, and the items.vkd it wrote at exit decodes to what happened. Started again
with rows enough to scroll, the column fits beside the vertical scroll bar; then under a
window manager the list takes the keys when the window manager activates the frame, and
the tray icon brings a frame the window manager minimised back restored. Wine runs in a
Japanese locale, as on a Japanese user's system. The rows, the focus and the frame's
state are read from the probe of the test build (vostek_probe.exe)."""

import os
import shutil
import struct
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from e2e_harness import (DICTIONARY, TIME_MARK, WorkArea, XSession,  # noqa: E402
                         wait_for, wait_until)

EXE = os.environ["VOSTEK_PROBE_EXE"]
WINE_RUN = os.environ["VOSTEK_WINE_RUN"]


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def read_probe(path):
    state = {"visible": None, "title": None, "rows": []}
    try:
        with open(path, encoding="utf-8") as file:
            for line in file.read().splitlines():
                key, _, value = line.partition(" ")
                if key == "row":
                    state["rows"].append(value)
                else:
                    state[key] = value
    except OSError:
        pass
    return state


def decode_collection(data):
    """Group names and items (name, count, time, group, order, ID-list size)."""
    at = 0

    def take(size):
        nonlocal at
        chunk = data[at:at + size]
        assert len(chunk) == size, "items.vkd ends early"
        at += size
        return chunk

    def string():
        length = take(1)[0]
        if length == 0xFF:
            length = struct.unpack("<H", take(2))[0]
        return take(length).decode("utf-8")

    groups = [string() for _ in range(struct.unpack("<H", take(2))[0])]
    items = []
    for index in range(struct.unpack("<H", take(2))[0]):
        tag = struct.unpack("<H", take(2))[0]
        if tag == 0xFFFF:
            take(4)
            take(struct.unpack("<H", data[at - 2:at])[0])  # the class name
        name = string()
        count, mark = struct.unpack("<II", take(8))
        assert mark == TIME_MARK
        when, group, order, size = struct.unpack("<qiII", take(20))
        take(size)
        items.append((name, count, when, group, order, size))
    assert at == len(data), "bytes after the collection"
    return groups, items


def tray_icon(session):
    """The centre of the program's icon, which Wine's tray docks into the tray host: a
    window of Wine's explorer put in another window, and not by a window manager."""
    def geometry(window):
        try:
            return session.geometry(window)
        except KeyError:  # gone since it was found
            return 0, 0, 0, 0

    found = session.tool("xdotool", "search", "--classname", "explorer.exe", check=False)
    for window in (int(line) for line in found.split()):
        x, y, width, height = geometry(window)
        if (session.parent(window) != session.root and width > 1 and height > 1
                and "WM_STATE(" not in session.tool("xprop", "-id", str(window), "WM_STATE",
                                                    check=False)):
            return x + width // 2, y + height // 2
    return None


def main():
    area = WorkArea()
    session = XSession(area)
    program = area.folder("program")
    # A fresh prefix each run (about 15 s): one kept from an earlier run made the shell
    # answer "???" for every display name on the next.
    prefix = area.folder("wine")
    try:
        shutil.copy(EXE, os.path.join(program, "vostek.exe"))
        shutil.copytree(DICTIONARY, os.path.join(program, "dict"))
        files = area.folder("files")
        log = os.path.join(area.root, "launched.log")
        batch = os.path.join(files, "kaeru.bat")
        area.write(batch, "@echo launched>>%s\r\n" % windows_path(log))
        kana = os.path.join(files, "さしすせそ.txt")
        area.write(kana, "kana")
        probe = os.path.join(area.root, "probe.txt")
        env = dict(session.env, WINEPREFIX=prefix, VOSTEK_PROBE=windows_path(probe),
                   LANG="ja_JP.UTF-8", LC_ALL="ja_JP.UTF-8")
        vostek = session.start([WINE_RUN, "vostek.exe", "--add", windows_path(batch),
                                "--add", windows_path(kana)], env=env, cwd=program)

        def rows():
            return read_probe(probe)["rows"]

        wait_for("the two files taken in", lambda: len(rows()) == 2, 120,
                 lambda: str(read_probe(probe)) + session.diagnostics())
        names = rows()
        assert names[0].startswith("kaeru") and names[1].startswith("さしすせそ"), names
        assert read_probe(probe)["visible"] == "0"

        icon = wait_for("the tray icon", lambda: tray_icon(session), 60)
        session.move_pointer(*icon)
        session.tool("xdotool", "click", "--repeat", "2", "--delay", "80", "1")
        wait_for("the window shown by the tray icon",
                 lambda: read_probe(probe)["visible"] == "1", 30, lambda: str(read_probe(probe)))

        session.type("sa")
        wait_for("the search for SA", lambda: read_probe(probe)["title"] == "ALL > [SA]" and
                 [n[:5] for n in rows()] == ["さしすせそ"], 30, lambda: str(read_probe(probe)))
        session.key("BackSpace")
        wait_for("the search cleared", lambda: len(rows()) == 2, 30)
        session.type("ka")
        # Row 0 is selected after every refresh: Enter launches the batch file alone.
        wait_for("the search for KA", lambda: read_probe(probe)["title"] == "ALL > [KA]" and
                 rows()[:1] == [names[0]], 30, lambda: str(read_probe(probe)))
        session.key("Return")
        wait_for("the batch file's log", lambda: os.path.exists(log), 30)
        wait_for("the window hidden after the launch",
                 lambda: read_probe(probe)["visible"] == "0", 30)

        # A few seconds after the change, while the program runs, items.vkd has it.
        def launch_saved():
            path = os.path.join(program, "items.vkd")
            return os.path.exists(path) and any(
                item[0].startswith("kaeru") and item[1] == 1
                for item in decode_collection(area.read(path))[1])

        wait_for("the launch written while the program runs", launch_saved, 30)

        session.key("alt+space")
        wait_for("the window shown by the hot-key",
                 lambda: read_probe(probe)["visible"] == "1", 10, lambda: str(read_probe(probe)))
        # Another hot-key, chosen in the dialog of the settings menu: registered at once,
        # kept by OK, written at exit.
        session.key("alt+p")
        session.key("k")

        def hot_key_dialog():
            return session.tool("xdotool", "search", "--onlyvisible", "--name", "ホットキーの設定",
                                check=False).strip()

        wait_for("the hot-key dialog", hot_key_dialog, 30, session.diagnostics)
        session.key("ctrl+shift+F7")
        session.key("Return")
        wait_for("the hot-key dialog closed", lambda: not hot_key_dialog(), 30)
        session.key("Escape")
        wait_for("the window hidden by Esc", lambda: read_probe(probe)["visible"] == "0", 30)
        # 終了(&X) of the tray menu, once the menu has had time to open.
        for _ in range(3):
            session.move_pointer(*icon)
            session.tool("xdotool", "click", "3")
            time.sleep(1.5)
            session.key("x")
            if wait_until(lambda: vostek.poll() is not None, 20):
                break
        wait_for("the program's exit", lambda: vostek.poll() is not None, 20,
                 session.diagnostics)

        groups, items = decode_collection(area.read(os.path.join(program, "items.vkd")))
        assert groups == ["グループ0"], groups
        by_name = {item[0][:5]: item for item in items}
        _, count, when, group, order, size = by_name["kaeru"]
        assert (count, group, size > 2) == (1, 0, True) and when > 0, by_name
        _, count, when, group, order, size = by_name["さしすせそ"]
        assert (count, when, group, size > 2) == (0, 0, 0, True), by_name
        assert sorted(item[4] for item in items) == [0, 1], items
        with open(os.path.join(program, "setting.ini"), encoding="utf-8") as settings:
            written = settings.read()
            assert "help_start=1" in written, written
            assert "hotkey=118" in written and "hotkeyMask=6" in written, written

        memos = [os.path.join(files, "memo%02d.txt" % number) for number in range(40)]
        arguments = [WINE_RUN, "vostek.exe"]
        for memo in memos:
            area.write(memo, "memo")
            arguments += ["--add", windows_path(memo)]
        vostek = session.start(arguments, env=env, cwd=program)
        wait_for("the memos taken in", lambda: len(rows()) == 42, 120,
                 lambda: str(read_probe(probe)) + session.diagnostics())

        def show_by_tray_icon(shown):
            # Keys reach a hot-key only while a window of Wine's has the X focus. Under the
            # window manager the first click on the icon may be taken for its activation.
            for _ in range(3):
                session.move_pointer(*wait_for("the tray icon", lambda: tray_icon(session), 60))
                session.tool("xdotool", "click", "1")
                time.sleep(0.5)
                session.tool("xdotool", "click", "--repeat", "2", "--delay", "80", "1")
                if wait_until(shown, 10):
                    break

        def visible():
            return read_probe(probe)["visible"] == "1"

        show_by_tray_icon(visible)
        wait_for("the window shown by the tray icon again", visible, 30,
                 lambda: str(read_probe(probe)) + session.diagnostics())
        wait_for("the column beside the vertical scroll bar",
                 lambda: read_probe(probe)["scrollbars"] == "v", 10, lambda: str(read_probe(probe)))
        frame = int(session.tool("xdotool", "search", "--onlyvisible", "--classname",
                                 "vostek.exe").split()[0])

        session.start(["openbox", "--sm-disable"])
        wait_for("the window manager", lambda: "window id" in session.tool(
            "xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False))

        session.start(["xmessage", "-name", "elsewhere", "elsewhere"])
        wait_for("the frame no longer active", lambda: read_probe(probe)["focus"] == "none", 30,
                 lambda: str(read_probe(probe)))
        session.tool("xdotool", "windowactivate", str(frame))
        wait_for("the list focused by the window manager's activation",
                 lambda: read_probe(probe)["focus"] == "list", 30, lambda: str(read_probe(probe)))

        session.tool("xdotool", "windowminimize", str(frame))
        wait_for("the window minimised", lambda: not session.viewable(frame), 30)

        def restored():
            return session.viewable(frame) and read_probe(probe)["iconic"] == "0" and visible()

        show_by_tray_icon(restored)
        wait_for("the minimised window shown restored by the tray icon", restored, 30,
                 lambda: str(read_probe(probe)))
    finally:
        subprocess.run([shutil.which("wineserver") or "wineserver", "-k"],
                       env=dict(os.environ, WINEPREFIX=prefix), check=False)
        session.close()
        area.cleanup()
    print("program_under_wine: passed")


if __name__ == "__main__":
    main()
