#pragma once

#include <string>

// The name the desktop shows for the object at `path` itself (a link is not followed):
// a desktop entry's Name in the user's language, else GIO's display name, which is
// readable even when the file name is not UTF-8. Empty when neither can be had.
std::string DisplayNameOfPath(const std::string& path);

// A readable form of a URI (escapes decoded where that gives text), found without
// touching the network.
std::string DisplayNameOfUri(const std::string& uri);
