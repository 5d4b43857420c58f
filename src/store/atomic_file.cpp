#include "store/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "store/containing_folder.h"

namespace {

bool Fail(std::string* error) {
  if (error != nullptr) {
    *error = std::strerror(errno);
  }
  return false;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes the rename itself durable. The new file is already in place, so a folder
// that cannot be synced (some file systems refuse) does not turn the save into a
// failure.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

// Where the bytes go: a symbolic link (a settings file kept with the user's other
// dotfiles) is written through, so the link stays and its target gets the new content.
std::string LinkTarget(const std::string& path) {
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) {
    return path;  // not there yet, or a dangling link: the file is made at the path
  }
  std::string target = resolved;
  std::free(resolved);
  return target;
}

}  // namespace

bool WriteFileAtomically(const std::string& givenPath, std::string_view bytes, std::string* error) {
  const std::string path = LinkTarget(givenPath);
  const std::string temporary = path + ".tmp";
  const int fd =
      ::open(temporary.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd < 0) {
    return Fail(error);
  }
  // The replacement keeps the permissions the user gave the old file.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0) {
    ::fchmod(fd, old.st_mode & 07777);
  }
  int failure = 0;
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    failure = errno;
  }
  if (::close(fd) != 0 && failure == 0) {
    failure = errno;
  }
  if (failure == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) {
    failure = errno;
  }
  if (failure == 0) {
    SyncFolder(ContainingFolder(path));
    return true;
  }
  ::unlink(temporary.c_str());
  errno = failure;
  return Fail(error);
}
