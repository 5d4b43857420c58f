#include "platform/linux/file_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

FileStream::~FileStream() {
  if (m_fd >= 0) {
    ::close(m_fd);
  }
}

int FileStream::Open(const std::string& path, std::size_t maxBytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    return errno;
  }
  struct stat info {};
  int failure = 0;
  if (::fstat(fd, &info) != 0) {
    failure = errno;
  } else if (S_ISDIR(info.st_mode)) {
    failure = EISDIR;
  } else if (!S_ISREG(info.st_mode)) {
    failure = EINVAL;
  } else if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
    failure = EFBIG;
  }
  if (failure != 0) {
    ::close(fd);
    return failure;
  }
  m_fd = fd;
  m_size = static_cast<std::uint64_t>(info.st_size);
  return 0;
}

int FileStream::Read(char* into, std::size_t size, std::size_t* got) {
  for (;;) {
    const ssize_t read = ::read(m_fd, into, size);
    if (read >= 0) {
      *got = static_cast<std::size_t>(read);
      return 0;
    }
    if (errno != EINTR) {
      *got = 0;
      return errno;
    }
  }
}
