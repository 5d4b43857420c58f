#include "store/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

int ReadWholeFile(const std::string& path, std::string* bytes, std::size_t maxBytes) {
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
  bytes->clear();
  bytes->reserve(static_cast<std::size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got > 0) {
      bytes->append(buffer, static_cast<std::size_t>(got));
      if (bytes->size() > maxBytes) {  // grew while being read
        failure = EFBIG;
        break;
      }
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      failure = errno;
      break;
    }
  }
  ::close(fd);
  return failure;
}
