#!/usr/bin/env python3
"""Every source file of src/, tests/ and bench/ is named in a CMake list.

The libraries and test binaries list their files by hand, so a file nobody named would
be left out of the build without a word: a test that never runs, a platform file that
never links. Headers are not checked; a .cpp is compiled only if some list names it.
"""
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent
cmake_text = "\n".join(
    path.read_text(encoding="utf-8")
    for folder in ("src", "tests", "bench")
    for path in (root / folder).rglob("*")
    if path.name == "CMakeLists.txt" or path.suffix == ".cmake")
named = set(re.findall(r"[\w/.+-]+\.cpp", cmake_text))

unnamed = []
for folder in ("src", "tests", "bench"):
    for source in sorted((root / folder).rglob("*.cpp")):
        relative = source.relative_to(root / folder).as_posix()
        if relative not in named and not any(name.endswith("/" + relative) for name in named):
            unnamed.append(f"{folder}/{relative}")

if unnamed:
    print("source files no CMake list names (add each to the list of its library or binary):")
    print("\n".join("  " + name for name in unnamed))
    sys.exit(1)
print(f"every source file is named in a CMake list ({len(named)} names)")
