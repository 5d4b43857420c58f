#pragma once

#include <string>

// Programs the user launches directly: executable files that the kernel itself can run.

// True for a regular file we may execute that is a compiled program or starts with a
// "#!" line. Executable documents (every file on some removable media is) do not count,
// so they open in their application instead of being run as shell commands.
bool IsRunnableProgram(const std::string& path);

// Starts the program with no arguments, its own folder as working directory and none
// of our descriptors beyond the standard three; no shell ever sees the path. Returns
// once the program has started; false with the system's text in `error` otherwise.
bool StartProgram(const std::string& path, std::string* error);
