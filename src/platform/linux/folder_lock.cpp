#include "platform/linux/folder_lock.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <functional>

#include "platform/linux/exclusive_lock.h"

namespace {

// The name, in the system's abstract socket names (which nothing on disk can take away),
// that stands for this user's use of the folder at `folder`.
sockaddr_un PathClaimAddress(const std::string& folder, socklen_t* size) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string prefix = "vostek-data-folder/" + std::to_string(::geteuid()) + "/";
  std::string name = prefix + folder;
  if (name.size() >= sizeof address.sun_path) {  // a long path goes by its hash
    name = prefix + "#" + std::to_string(std::hash<std::string>{}(folder));
  }
  std::memcpy(address.sun_path + 1, name.data(), name.size());  // sun_path[0] stays 0
  *size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
  return address;
}

bool HeldByThisUser(const sockaddr_un& address, socklen_t size) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    return false;
  }
  ucred credentials{};
  socklen_t credentialsSize = sizeof credentials;
  const bool held =
      ::connect(fd, reinterpret_cast<const sockaddr*>(&address), size) == 0 &&
      ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &credentialsSize) == 0 &&
      credentials.uid == ::geteuid();
  ::close(fd);
  return held;
}

// Claims the folder's path; -1 when it cannot be had. A name someone else took (another
// user squatting on it) is not ours to honour: the folder's own lock still counts.
int ClaimPath(const std::string& folder, bool* heldElsewhere) {
  socklen_t size = 0;
  const sockaddr_un address = PathClaimAddress(folder, &size);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    return -1;
  }
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), size) == 0 && ::listen(fd, 1) == 0) {
    return fd;
  }
  const int failure = errno;
  ::close(fd);
  *heldElsewhere = failure == EADDRINUSE && HeldByThisUser(address, size);
  return -1;
}

}  // namespace

FolderLock::~FolderLock() {
  if (m_fd >= 0) {
    ::close(m_fd);
  }
  if (m_pathClaim >= 0) {
    ::close(m_pathClaim);
  }
}

FolderLock::Result FolderLock::Acquire(const std::string& folder) {
  if (m_fd >= 0) {
    return Result::Acquired;
  }
  if (m_pathClaim < 0) {
    bool heldElsewhere = false;
    m_pathClaim = ClaimPath(folder, &heldElsewhere);
    if (heldElsewhere) {
      return Result::HeldElsewhere;
    }
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
