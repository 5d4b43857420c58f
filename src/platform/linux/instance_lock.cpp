#include "platform/linux/instance_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/linux/exclusive_lock.h"

namespace {

constexpr char kLockName[] = "letsgosoundingourheels";

bool IsAbsolutePath(const char* path) {
  return path != nullptr && path[0] == '/';
}

}  // namespace

std::string DefaultInstanceLockPath() {
  if (const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR"); IsAbsolutePath(runtimeDir)) {
    return std::string(runtimeDir) + "/" + kLockName;
  }
  const char* tempDir = std::getenv("TMPDIR");
  if (!IsAbsolutePath(tempDir)) {
    tempDir = "/tmp";
  }
  return std::string(tempDir) + "/" + kLockName + "-" + std::to_string(::getuid());
}

InstanceLock::~InstanceLock() {
  if (m_fd >= 0) {
    ::close(m_fd);
  }
}

InstanceLock::Result InstanceLock::Acquire(const std::string& path, std::string* error) {
  if (m_fd >= 0) {
    return Result::Acquired;
  }
  // In a shared temp folder the name may have been planted by someone else: follow no
  // link and accept only a plain file of our own.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) {
    *error = std::strerror(errno);
    return Result::Failed;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
    *error = std::strerror(EPERM);
    ::close(fd);
    return Result::Failed;
  }
  if (const int lockError = LockExclusivelyNow(fd); lockError != 0) {
    ::close(fd);
    if (lockError == EWOULDBLOCK) {
      return Result::HeldElsewhere;
    }
    *error = std::strerror(lockError);
    return Result::Failed;
  }
  m_fd = fd;
  return Result::Acquired;
}
