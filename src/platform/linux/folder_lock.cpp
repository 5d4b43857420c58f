#include "platform/linux/folder_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
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

bool FolderLock::IsAt(const std::string& folder) const {
  struct stat there {};
  if (::stat(folder.c_str(), &there) != 0 || !S_ISDIR(there.st_mode)) {
    return false;
  }
  struct stat held {};
  return m_fd < 0 ||
         (::fstat(m_fd, &held) == 0 && held.st_dev == there.st_dev && held.st_ino == there.st_ino);
}

FolderLock::Result FolderLock::Reacquire(const std::string& folder) {
  if (m_fd >= 0) {
    ::close(m_fd);
    m_fd = -1;
  }
  return Acquire(folder);
}
