#include "platform/linux/instance_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/linux/exclusive_lock.h"
#include "store/containing_folder.h"

namespace {

constexpr char kLockName[] = "letsgosoundingourheels";
// Names tried after the first one, should someone else hold it.
constexpr int kOtherNames = 9;

bool IsAbsolutePath(const char* path) {
  return path != nullptr && path[0] == '/';
}

// A folder (not a link to one) of this user that others cannot enter or list.
bool IsPrivateFolder(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
         status.st_uid == ::geteuid() && (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

}  // namespace

std::string DefaultInstanceLockPath() {
  std::string base;
  if (const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR"); IsAbsolutePath(runtimeDir)) {
    base = std::string(runtimeDir) + "/vostek";
  } else {
    const char* tempDir = std::getenv("TMPDIR");
    base = std::string(IsAbsolutePath(tempDir) ? tempDir : "/tmp") + "/vostek-" +
           std::to_string(::getuid());
  }
  for (int number = 0; number <= kOtherNames; ++number) {
    const std::string folder = number == 0 ? base : base + "." + std::to_string(number);
    ::mkdir(folder.c_str(), 0700);
    if (IsPrivateFolder(folder)) {
      return folder + "/" + kLockName;
    }
  }
  return base + "/" + kLockName;  // refused by Acquire, which says why
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
  if (!IsPrivateFolder(ContainingFolder(path))) {
    *error = ContainingFolder(path) + ": " + std::strerror(EACCES);
    return Result::Failed;
  }
  // Follow no link and accept only a plain file of our own.
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
