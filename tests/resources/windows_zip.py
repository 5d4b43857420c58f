#!/usr/bin/env python3
"""The portable Windows zip: the program, its dictionary, and the licence notices of
VOSTEK and of everything built into the program or shipped beside it."""

import os
import sys
import unittest
import zipfile

ZIP = os.environ.get("VOSTEK_ZIP", "")

# Each notice, with a phrase that shows it is the licence it should be.
NOTICES = {
    "LICENSE.txt": "MIT License",
    "NOTICE.txt": "licenses\\cmigemo.txt",
    "licenses/cmigemo.txt": "Permission is hereby granted",
    "licenses/pcre2.txt": "University of Cambridge",
    "licenses/mingw-w64.txt": "winpthreads",
    "licenses/migemo-dict.txt": "GNU General Public License",
    "licenses/GPL-2.txt": "GNU GENERAL PUBLIC LICENSE",
}


class WindowsZipTest(unittest.TestCase):
    def test_the_zip_carries_the_program_its_dictionary_and_every_notice(self):
        with zipfile.ZipFile(ZIP) as archive:
            names = set(archive.namelist())
            for needed in ("vostek/vostek.exe", "vostek/dict/migemo-dict"):
                self.assertIn(needed, names)
            for name, phrase in NOTICES.items():
                with self.subTest(name=name):
                    text = archive.read("vostek/" + name).decode("utf-8")
                    self.assertIn(phrase, text)


if __name__ == "__main__":
    if not ZIP:
        sys.exit("VOSTEK_ZIP names the zip to check")
    unittest.main()
