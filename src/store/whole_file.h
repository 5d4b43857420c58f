#pragma once

#include <cstddef>
#include <limits>
#include <string>

// Reads the regular file at `path` whole into `bytes`; returns 0, or errno's value when
// it cannot be opened or read. Anything but a regular file fails (EISDIR for a folder,
// EINVAL otherwise): a pipe would block the caller and a device might never end. A file
// larger than `maxBytes` fails with EFBIG.
int ReadWholeFile(const std::string& path, std::string* bytes,
                  std::size_t maxBytes = std::numeric_limits<std::size_t>::max());
