#include "platform/linux/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

FolderLock::~FolderLock() {
  if (m_fd >= 0) {
    ::close(m_fd);
  }
}

FolderLock::Result FolderLock::Acquire(const std::string& folder) {
  if (m_fd >= 0) {
    return Result::Acquired;
  }
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    return Result::Unsupported;  // the files cannot be reached either; their reads say why
  }
  int locked = 0;
  do {
    locked = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  if (locked != 0) {
    const int lockError = errno;
    ::close(fd);
    return lockError == EWOULDBLOCK ? Result::HeldElsewhere : Result::Unsupported;
  }
  m_fd = fd;
  return Result::Acquired;
}
