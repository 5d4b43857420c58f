#pragma once

#include <cstddef>
#include <limits>
#include <string>

class Files;

// Reads the regular file at `path` whole into `bytes`; returns 0, or errno's value when
// it cannot be opened or read. It refuses what Files::OpenForReading refuses, and fails
// with EFBIG also when the file grows beyond `maxBytes` while being read.
int ReadWholeFile(Files& files, const std::string& path, std::string* bytes,
                  std::size_t maxBytes = std::numeric_limits<std::size_t>::max());
// The same from the system's own files.
int ReadWholeFile(const std::string& path, std::string* bytes,
                  std::size_t maxBytes = std::numeric_limits<std::size_t>::max());
