#pragma once

#include <string>

// Opening objects with the desktop's default action. Each call returns once the
// program has been started, without waiting for it; the program inherits none of our
// descriptors beyond the standard three, and no path ever passes through a shell.
// On failure `error` gets the system's own text, in the user's language.

// A folder opens in the default file manager, a desktop entry of Type=Application
// starts its application, a runnable program runs in its own folder, and any other
// file opens in the default application for its type.
bool OpenPath(const std::string& path, std::string* error);

// Opens a folder in the default file manager.
bool OpenFolderPath(const std::string& path, std::string* error);

// Opens a URI in the default application for its scheme.
bool OpenUri(const std::string& uri, std::string* error);
