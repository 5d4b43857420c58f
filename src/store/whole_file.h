#pragma once

#include <string>

// Reads the regular file at `path` whole into `bytes`; returns 0, or errno's value when
// it cannot be opened or read. Anything but a regular file fails (EISDIR for a folder,
// EINVAL otherwise): a pipe would block the start and a device might never end.
int ReadWholeFile(const std::string& path, std::string* bytes);
