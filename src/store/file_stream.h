#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

// A regular file read front to back in pieces, so that a large one need not be held
// whole in memory.
class FileStream {
 public:
  FileStream() = default;
  ~FileStream();
  FileStream(const FileStream&) = delete;
  FileStream& operator=(const FileStream&) = delete;

  // Returns 0, or errno's value when the file cannot be opened. Anything but a regular
  // file fails (EISDIR for a folder, EINVAL otherwise): a pipe would block the reader
  // and a device might never end. A file larger than `maxBytes` fails with EFBIG.
  int Open(const std::string& path, std::size_t maxBytes = std::numeric_limits<std::size_t>::max());
  // The file's size when it was opened.
  std::uint64_t Size() const { return m_size; }
  // Reads up to `size` bytes into `into`; `*got` is 0 at the end. Returns 0 or errno's
  // value.
  int Read(char* into, std::size_t size, std::size_t* got);

 private:
  std::intptr_t m_file = -1;  // the descriptor or handle; -1 when none is open
  std::uint64_t m_size = 0;
};
