#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "store/files.h"

// A regular file read front to back in pieces, through its descriptor.
class FileStream : public FileReader {
 public:
  FileStream() = default;
  ~FileStream() override;
  FileStream(const FileStream&) = delete;
  FileStream& operator=(const FileStream&) = delete;

  // Returns 0, or errno's value when the file cannot be opened; refuses what
  // Files::OpenForReading refuses.
  int Open(const std::string& path, std::size_t maxBytes = std::numeric_limits<std::size_t>::max());
  std::uint64_t Size() const override { return m_size; }
  int Read(char* into, std::size_t size, std::size_t* got) override;

 private:
  int m_fd = -1;
  std::uint64_t m_size = 0;
};
