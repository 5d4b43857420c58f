#!/usr/bin/env python3
"""The installed application: the files `cmake --install` puts in a scratch prefix, that
the desktop tools accept them, that the installed program writes a valid autostart
entry, and that the Debian package depends only on what runs the program."""

import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from e2e_harness import BIN  # noqa: E402

BUILD = os.path.dirname(os.path.abspath(BIN))
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
INSTALLED = {
    "bin/vostek",
    "share/applications/vostek.desktop",
    "share/metainfo/vostek.metainfo.xml",
    "share/icons/hicolor/scalable/apps/vostek.svg",
    "share/man/man1/vostek.1.gz",
    "share/man/ja/man1/vostek.1.gz",
    "share/doc/vostek/copyright",
    "share/doc/vostek/changelog.gz",
} | {f"share/icons/hicolor/{n}x{n}/apps/vostek.png" for n in ICON_SIZES}
# Packages that only build or test the program.
NOT_AT_RUN_TIME = re.compile(r"-dev\b|^(googletest|xvfb|xdotool|trayer|cmake|g\+\+|gcc|clang"
                             r"|python3|lintian|appstream|librsvg2-bin)\b")
PLACEHOLDER_URL = re.compile(rb"https?://[^\s\"'<>]*\.example\b")
TOOLS = ("desktop-file-validate", "appstreamcli", "cpack", "dpkg-deb", "file")


def run(*command, **options):
    return subprocess.run(command, capture_output=True, text=True, timeout=240, **options)


@unittest.skipIf([t for t in TOOLS if not shutil.which(t)],
                 "needs " + ", ".join(t for t in TOOLS if not shutil.which(t)))
class DesktopInstallTest(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="vostek-install-")
        self.addCleanup(shutil.rmtree, self.root, ignore_errors=True)

    def files_under(self, folder):
        return {os.path.relpath(os.path.join(where, name), folder)
                for where, _, names in os.walk(folder) for name in names}

    def assert_ran(self, result):
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        return result.stdout

    def test_installed_files_are_complete_and_valid(self):
        prefix = os.path.join(self.root, "prefix")
        self.assert_ran(run("cmake", "--install", BUILD, "--prefix", prefix))
        self.assertEqual(self.files_under(prefix), INSTALLED)
        for size in ICON_SIZES:
            with open(f"{prefix}/share/icons/hicolor/{size}x{size}/apps/vostek.png", "rb") as f:
                header = f.read(24)
            self.assertEqual(header[:8], b"\x89PNG\r\n\x1a\n")
            self.assertEqual((int.from_bytes(header[16:20], "big"),
                              int.from_bytes(header[20:24], "big")), (size, size))

        self.assert_ran(run("desktop-file-validate", f"{prefix}/share/applications/vostek.desktop"))
        # Nothing to mend but the id "vostek", which is not reverse-DNS: renaming it would
        # orphan the menu and autostart entries users have.
        metainfo = f"{prefix}/share/metainfo/vostek.metainfo.xml"
        result = run("appstreamcli", "validate", "--no-net", "--pedantic", metainfo)
        said = result.stdout + result.stderr
        self.assertEqual(re.findall(r"(?m)^([EWI]): vostek:\d+: ([\w-]+)", said),
                         [("W", "cid-desktopapp-is-not-rdns")], said)
        result = run("appstreamcli", "validate-tree", "--no-net", prefix)
        self.assertNotRegex(result.stdout + result.stderr, r"(?m)^\s*E:")
        self.assertIn("vostek.metainfo.xml", result.stdout)
        with open(metainfo, encoding="utf-8") as file:
            self.assertIn("<project_license>MIT</project_license>", file.read())
        # No web address that leads nowhere, in anything installed.
        for name in self.files_under(prefix):
            with open(os.path.join(prefix, name), "rb") as file:
                data = file.read()
            if name.endswith(".gz"):
                data = gzip.decompress(data)
            self.assertNotRegex(data, PLACEHOLDER_URL, name)
        with open(f"{prefix}/share/doc/vostek/copyright", encoding="utf-8") as file:
            copyright_file = file.read()
        self.assertTrue(copyright_file.startswith(
            "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"))
        self.assertRegex(copyright_file, r"(?m)^Files: \*\nCopyright: .+\nLicense: MIT$")

        # The installed program starts itself at login through a valid entry.
        config = os.path.join(self.root, "config")
        env = dict(os.environ, XDG_CONFIG_HOME=config)
        env.pop("DISPLAY", None)
        said = self.assert_ran(run(f"{prefix}/bin/vostek", "--autostart", "on", env=env))
        entry = os.path.join(config, "autostart", "vostek.desktop")
        self.assertIn(entry, said)
        self.assert_ran(run("desktop-file-validate", entry))
        with open(entry, encoding="utf-8") as file:
            self.assertIn(f"\nExec={prefix}/bin/vostek\n", file.read())

    def test_the_package_depends_only_on_what_runs_the_program(self):
        self.assert_ran(run("cpack", "-G", "DEB", "-B", self.root,
                            "--config", os.path.join(BUILD, "CPackConfig.cmake")))
        [package] = [f for f in os.listdir(self.root) if f.endswith(".deb")]
        package = os.path.join(self.root, package)
        depends = [d.strip().split()[0] for d in
                   self.assert_ran(run("dpkg-deb", "-f", package, "Depends")).split(",")]
        for needed in ("libqt6widgets6", "libmigemo1", "cmigemo-common", "libglib2.0-0",
                       "libxcb1", "qt6-qpa-plugins"):
            self.assertIn(needed, depends)
        self.assertEqual([d for d in depends if NOT_AT_RUN_TIME.search(d)], [])
        self.assertEqual(
            {"./usr/" + f for f in INSTALLED},
            {line.split()[-1] for line in self.assert_ran(run("dpkg-deb", "-c", package))
             .splitlines() if not line.startswith("d")})
        self.assertNotRegex(self.assert_ran(run("dpkg-deb", "-f", package)).encode(),
                            PLACEHOLDER_URL)
        if shutil.which("lintian"):
            result = run("lintian", package)
            self.assertNotRegex(result.stdout, r"(?m)^[EW]:", result.stdout)


if __name__ == "__main__":
    unittest.main()
