#pragma once

#include <string>

// What sits at a path, as far as loading the collection needs to know.

// True when anything is at `path`, a link to nothing included.
bool NameIsTaken(const std::string& path);

// True for a folder, or a link to one.
bool IsFolder(const std::string& path);

// Where the chain of symbolic links starting at `path` ends, when it ends at nothing;
// empty when `path` is no such link.
std::string DanglingLinkTarget(const std::string& path);
