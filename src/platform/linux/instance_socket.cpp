#include "platform/linux/instance_socket.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "app/instance_request.h"
#include "platform/linux/shell_error_text.h"

namespace {

constexpr int kBacklog = 16;
constexpr auto kConnectRetryInterval = std::chrono::milliseconds(20);

bool MakeAddress(const std::string& path, sockaddr_un* address) {
  *address = {};
  address->sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address->sun_path) {
    return false;
  }
  std::memcpy(address->sun_path, path.c_str(), path.size() + 1);
  return true;
}

// A socket file of this user that no one else may open.
bool IsPrivateSocket(const struct stat& status) {
  return S_ISSOCK(status.st_mode) && status.st_uid == ::geteuid() &&
         (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

bool PeerIsThisUser(int fd) {
  ucred credentials{};
  socklen_t size = sizeof credentials;
  return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
         credentials.uid == ::geteuid();
}

void CloseKeepingErrno(int fd) {
  const int saved = errno;
  ::close(fd);
  errno = saved;
}

}  // namespace

std::string InstanceSocketPath(const std::string& lockPath) {
  return lockPath + ".socket";
}

InstanceSocketListener::~InstanceSocketListener() {
  if (m_fd < 0) {
    return;
  }
  ::close(m_fd);
  // Removed only while it is still the file we made: a later instance may own the name.
  struct stat status {};
  if (::lstat(m_path.c_str(), &status) == 0 && status.st_dev == m_device &&
      status.st_ino == m_inode) {
    ::unlink(m_path.c_str());
  }
}

bool InstanceSocketListener::Listen(const std::string& path, std::string* error) {
  sockaddr_un address{};
  if (!MakeAddress(path, &address)) {
    *error = path + ": " + ErrnoText(ENAMETOOLONG);
    return false;
  }
  struct stat status {};
  if (::lstat(path.c_str(), &status) == 0) {
    // Left by an instance that did not end normally, or anything else of ours: the lock
    // says no instance listens there.
    if (S_ISDIR(status.st_mode) || status.st_uid != ::geteuid()) {
      *error = path + ": " + ErrnoText(EEXIST);
      return false;
    }
    ::unlink(path.c_str());
  }
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    *error = ErrnoText(errno);
    return false;
  }
  // Made without access for others from the start, so no one can connect in between.
  const mode_t oldMask = ::umask(S_IRWXG | S_IRWXO);
  const int bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  ::umask(oldMask);
  if (bound != 0 || ::listen(fd, kBacklog) != 0 || ::lstat(path.c_str(), &status) != 0) {
    *error = ErrnoText(errno);
    CloseKeepingErrno(fd);
    return false;
  }
  m_fd = fd;
  m_path = path;
  m_device = status.st_dev;
  m_inode = status.st_ino;
  return true;
}

int InstanceSocketListener::Accept() {
  while (m_fd >= 0) {
    const int client = ::accept4(m_fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (client < 0) {
      if (errno == EINTR || errno == ECONNABORTED) {
        continue;
      }
      return -1;
    }
    if (PeerIsThisUser(client)) {
      return client;
    }
    ::close(client);
  }
  return -1;
}

InstanceSendResult SendToInstance(const std::string& path, std::string_view line, int timeoutMs,
                                  std::string* error) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  const auto millisecondsLeft = [deadline] {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
  };
  sockaddr_un address{};
  if (!MakeAddress(path, &address)) {
    *error = path + ": " + ErrnoText(ENAMETOOLONG);
    return InstanceSendResult::Failed;
  }
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) {
    *error = path + ": " + ErrnoText(errno);
    return InstanceSendResult::NoInstance;
  }
  if (!IsPrivateSocket(status)) {
    *error = path + ": " + ErrnoText(EACCES);
    return InstanceSendResult::Refused;
  }
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    *error = ErrnoText(errno);
    return InstanceSendResult::Failed;
  }
  // A local connect does not wait when the instance's queue is full; it is tried again
  // until the time is up, so that a flood of other clients cannot hold this one for long.
  int connectError = 0;
  while (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    connectError = errno;
    if ((connectError != EAGAIN && connectError != EINTR) || millisecondsLeft() == 0) {
      break;
    }
    connectError = 0;
    std::this_thread::sleep_for(kConnectRetryInterval);
  }
  if (connectError != 0) {
    ::close(fd);
    *error = path + ": " + ErrnoText(connectError == EAGAIN ? ETIMEDOUT : connectError);
    return connectError == ECONNREFUSED || connectError == ENOENT ? InstanceSendResult::NoInstance
                                                                  : InstanceSendResult::Failed;
  }
  if (!PeerIsThisUser(fd)) {
    ::close(fd);
    *error = path + ": " + ErrnoText(EACCES);
    return InstanceSendResult::Refused;
  }
  // The line is short, so one send puts it whole into the socket's buffer.
  if (::send(fd, line.data(), line.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(line.size())) {
    *error = path + ": " + ErrnoText(errno);
    ::close(fd);
    return InstanceSendResult::Failed;
  }
  std::string answer;
  while (answer.size() < kInstanceRequestDone.size()) {
    pollfd waiting{fd, POLLIN, 0};
    const int left = millisecondsLeft();
    const int ready = left > 0 ? ::poll(&waiting, 1, left) : 0;
    if (ready < 0 && errno == EINTR) {
      continue;
    }
    if (ready <= 0) {
      break;
    }
    char buffer[8];
    const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
      continue;
    }
    if (got <= 0) {
      break;
    }
    answer.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  if (answer != kInstanceRequestDone) {
    *error = path + ": " + ErrnoText(ETIMEDOUT);
    return InstanceSendResult::Failed;
  }
  return InstanceSendResult::Done;
}
