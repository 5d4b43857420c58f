#include "store/whole_file.h"

#include <cerrno>

#include "store/file_stream.h"

int ReadWholeFile(const std::string& path, std::string* bytes, std::size_t maxBytes) {
  FileStream file;
  if (const int failure = file.Open(path, maxBytes); failure != 0) {
    return failure;
  }
  bytes->clear();
  bytes->reserve(static_cast<std::size_t>(file.Size()));
  char buffer[65536];
  for (;;) {
    std::size_t got = 0;
    if (const int failure = file.Read(buffer, sizeof buffer, &got); failure != 0) {
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
