#include "store/whole_file.h"

#include <cerrno>
#include <memory>

#include "store/files.h"

int ReadWholeFile(Files& files, const std::string& path, std::string* bytes, std::size_t maxBytes) {
  std::unique_ptr<FileReader> file;
  if (const int failure = files.OpenForReading(path, maxBytes, &file); failure != 0) {
    return failure;
  }
  bytes->clear();
  bytes->reserve(static_cast<std::size_t>(file->Size()));
  char buffer[65536];
  for (;;) {
    std::size_t got = 0;
    if (const int failure = file->Read(buffer, sizeof buffer, &got); failure != 0) {
      return failure;
    }
    if (got == 0) {
      return 0;
    }
    bytes->append(buffer, got);
    if (bytes->size() > maxBytes) {  // grew while being read
      return EFBIG;
    }
  }
}

int ReadWholeFile(const std::string& path, std::string* bytes, std::size_t maxBytes) {
  return ReadWholeFile(SystemFiles(), path, bytes, maxBytes);
}
