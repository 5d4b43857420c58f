#pragma once

#include <string>

// Renames the file at `from` to `to` when nothing is at `to` yet; returns 0, EEXIST when
// `to` is taken, or errno's value for any other failure. Never replaces a file.
int RenameToFreeName(const std::string& from, const std::string& to);
