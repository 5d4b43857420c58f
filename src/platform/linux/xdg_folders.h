#pragma once

#include <string>

// The user's base folder named by `variable` (XDG_DATA_HOME, XDG_CONFIG_HOME), or the
// home folder plus `fallback` (".local/share", ".config") when the variable is unset,
// empty or relative: a relative value is invalid and ignored. Empty when not even a
// home folder can be found.
std::string XdgBaseFolder(const char* variable, const char* fallback);

// Makes `path` a folder, creating it and every missing parent with mode 0700. A folder
// that exists already is left as it is, whatever its permissions. On failure `error`
// receives the system's text, and the folder that could not be made.
bool MakePrivateFolder(const std::string& path, std::string* error);
