#pragma once

#include <string>

// The folder holding `path`: the path without its last component; "/" stays "/", and
// a bare name is in the current folder, ".".
std::string ContainingFolder(const std::string& path);
