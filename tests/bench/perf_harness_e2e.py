"""The performance harness runs on a small collection and prints its whole table."""

import os
import re
import subprocess
import sys
import unittest

SOURCE = os.environ.get("VOSTEK_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", ".."))
BIN = os.environ.get("VOSTEK_BIN", "build/vostek")
MAKER = os.environ.get("VOSTEK_MAKER", "build/bench/vostek_make_collection")


class PerfHarnessTest(unittest.TestCase):
    def test_prints_a_row_of_figures_for_every_size_and_view(self):
        result = subprocess.run(
            [sys.executable, os.path.join(SOURCE, "bench", "perf.py"), "--bin", BIN,
             "--maker", MAKER, "--sizes", "0,50", "--runs", "1", "--settle", "0.3"],
            capture_output=True, text=True, timeout=240)
        self.assertEqual(result.returncode, 0, result.stderr)
        rows = [line for line in result.stdout.splitlines() if re.match(r"\| \d", line)]
        self.assertEqual([row.split("|")[1:3] for row in rows],
                         [[" 0 ", " group "], [" 50 ", " group "],
                          [" 0 ", " popular "], [" 50 ", " popular "]])
        for row in rows:
            cells = row.split("|")[3:-1]
            self.assertEqual(len(cells), 8, row)
            for cell in cells:
                self.assertRegex(cell, r"^ \d+\.\d \(\d+\.\d\dx", row)


if __name__ == "__main__":
    unittest.main()
