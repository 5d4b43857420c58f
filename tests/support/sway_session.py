"""A Wayland desktop for the end-to-end tests: headless sway with XWayland, run as a
throw-away user (sway refuses root), with its own session bus. swaybar, a
StatusNotifierItem host, is started only when a test asks for it. Programs run on it as
that user, and the test reads the compositor's window tree and types through it."""

import json
import os
import pwd
import shutil
import signal
import subprocess
import time

from e2e_harness import wait_for, wait_until

USER = "vostek-e2e"
TOOLS = ("sway", "swaymsg", "swaybar", "Xwayland", "wtype", "runuser", "useradd", "userdel",
         "dbus-run-session", "gdbus")
WATCHER = "org.kde.StatusNotifierWatcher"


def why_sway_cannot_run():
    """Why this machine cannot run the session, or None when it can."""
    if os.geteuid() != 0:
        return "making the throw-away user that sway runs as needs root"
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    if missing:
        return "missing " + ", ".join(missing) + " (see scripts/install-deps)"
    return None


class SwaySession:
    def __init__(self, area):
        self.area = area
        self.processes = []
        self.make_user()
        account = pwd.getpwnam(USER)
        self.uid, self.gid = account.pw_uid, account.pw_gid
        # XWayland would make this folder itself, owned by the user, and lock out the X
        # servers of everybody else.
        os.makedirs("/tmp/.X11-unix", exist_ok=True)
        os.chmod("/tmp/.X11-unix", 0o1777)
        self.give_area_to_user()
        self.log_path = os.path.join(area.root, "sway.log")
        self.log = open(self.log_path, "ab")
        env_file = os.path.join(area.runtime, "session.env")
        config = os.path.join(area.root, "sway.config")
        area.write(config, "xwayland enable\n"
                           # Windows as tabs: one left behind another is hidden by it.
                           "workspace_layout tabbed\n"
                           "bar {\n  id main\n  swaybar_command true\n}\n"
                           f"exec env -0 > {env_file}.part && mv {env_file}.part {env_file}\n")
        base = {"HOME": area.folder("home"), "XDG_RUNTIME_DIR": area.runtime,
                "PATH": "/usr/local/bin:/usr/bin:/bin", "WLR_BACKENDS": "headless",
                "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_RENDERER": "pixman",
                "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8"}
        self.sway = self.start(["dbus-run-session", "--", "sway", "-c", config], base)
        wait_for("sway to start", lambda: self.sway.poll() is not None
                 or os.path.exists(env_file), details=self.diagnostics)
        if self.sway.poll() is not None:
            self.close()
            raise RuntimeError("sway ended at once\n" + self.diagnostics())
        with open(env_file, "rb") as file:
            session = dict(entry.decode().split("=", 1)
                           for entry in file.read().split(b"\0") if b"=" in entry)
        self.env = dict(base)
        for name in ("WAYLAND_DISPLAY", "DISPLAY", "SWAYSOCK", "DBUS_SESSION_BUS_ADDRESS"):
            self.env[name] = session[name]
        self.env.update(XDG_SESSION_TYPE="wayland", XDG_CONFIG_HOME=area.folder("config"),
                        XDG_CACHE_HOME=area.folder("cache"), XDG_DATA_HOME=area.folder("share"),
                        GIO_USE_VFS="local")

    @staticmethod
    def make_user():
        try:
            pwd.getpwnam(USER)  # left by a run that was killed: used again, removed below
        except KeyError:
            subprocess.run(["useradd", "--system", "--user-group", "--no-create-home",
                            "--shell", "/usr/sbin/nologin", USER], check=True)

    def give_area_to_user(self):
        """Hands the work area (files made so far included) to the user."""
        for folder, folders, files in os.walk(self.area.root):
            for name in [folder] + [os.path.join(folder, n) for n in folders + files]:
                os.lchown(name, self.uid, self.gid)

    def command(self, command, env=None):
        """`command` as the user, with exactly `env` (the session's by default)."""
        env = self.env if env is None else env
        return ["runuser", "-u", USER, "--", "env", "-i",
                *[f"{key}={value}" for key, value in env.items()], *command]

    def start(self, command, env=None, **options):
        process = subprocess.Popen(self.command(command, env), stdin=subprocess.DEVNULL,
                                   stdout=options.pop("stdout", self.log),
                                   stderr=options.pop("stderr", self.log),
                                   start_new_session=True, **options)
        self.processes.append(process)
        return process

    def run(self, *command, cwd=None, env=None):
        return subprocess.run(self.command(command, env), cwd=cwd, capture_output=True,
                              timeout=30)

    def start_tray_host(self):
        self.swaymsg("exec swaybar -b main")
        wait_for("the StatusNotifierItem host", lambda: self.bus_has(WATCHER),
                 details=self.diagnostics)

    def bus_has(self, name):
        result = self.run("gdbus", "call", "--session", "--dest", "org.freedesktop.DBus",
                          "--object-path", "/org/freedesktop/DBus", "--method",
                          "org.freedesktop.DBus.NameHasOwner", name)
        return b"true" in result.stdout

    def tray_items(self):
        result = self.run("gdbus", "call", "--session", "--dest", WATCHER, "--object-path",
                          "/StatusNotifierWatcher", "--method",
                          "org.freedesktop.DBus.Properties.Get", WATCHER,
                          "RegisteredStatusNotifierItems")
        return result.stdout.decode(errors="replace")

    def swaymsg(self, *arguments):
        result = self.run("swaymsg", "-r", *arguments)
        if result.returncode != 0:
            raise AssertionError("swaymsg %s: %s" % (arguments, result.stdout + result.stderr))
        return json.loads(result.stdout) if result.stdout.strip() else None

    def windows(self):
        """Every window of the tree, with the compositor's view of it."""
        found = []

        def walk(node):
            if node.get("type") in ("con", "floating_con") and not node.get("nodes"):
                found.append(node)
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                walk(child)
        walk(self.swaymsg("-t", "get_tree"))
        return found

    def window(self, title_end):
        for node in self.windows():
            if (node.get("name") or "").endswith(title_end):
                return node
        return None

    def focused(self):
        for node in self.windows():
            if node.get("focused"):
                return node
        return None

    def type(self, text):
        self.wtype("-d", "40", text)

    def key(self, name):
        self.wtype("-k", name)

    def wtype(self, *commands):
        # Each run is a new virtual keyboard with its own keymap: its keys wait until
        # XWayland has taken the keymap, or the first is lost.
        self.run("wtype", "-s", "300", *commands)

    def diagnostics(self):
        self.log.flush()
        with open(self.log_path, "rb") as file:
            return "--- sway.log\n" + file.read()[-3000:].decode(errors="replace")

    def close(self):
        if self.sway.poll() is None:
            self.run("swaymsg", "exit")
            if not wait_until(lambda: self.sway.poll() is not None, timeout=5):
                os.killpg(self.sway.pid, signal.SIGTERM)
        for process in reversed(self.processes):
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGKILL)
            process.wait()
        self.log.close()
        # Whatever of the user's may still be going (the bus, XWayland) ends with its
        # session; the account goes once nothing runs as it.
        wait_until(lambda: subprocess.run(["userdel", USER], capture_output=True)
                   .returncode == 0, timeout=10)
