#include "platform/linux/folder_lock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/linux/exclusive_lock.h"

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
  if (const int lockError = LockExclusivelyNow(fd); lockError != 0) {
    ::close(fd);
    return lockError == EWOULDBLOCK ? Result::HeldElsewhere : Result::Unsupported;
  }
  m_fd = fd;
  return Result::Acquired;
}
