#include "platform/linux/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "store/containing_folder.h"

namespace {

// Temporaries are "<name>.tmp-<pid>-<number>" beside the file they replace.
constexpr char kTemporaryMark[] = ".tmp-";
constexpr int kNameAttempts = 100;
constexpr int kMaxLinkHops = 40;

bool Fail(const std::string& file, int failure, std::string* error) {
  if (error != nullptr) {
    *error = file + ": " + std::strerror(failure);
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

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Creates a temporary file that did not exist before: whatever sits at a name already
// (a leftover, a pipe, a link someone planted) is passed over, never opened.
int CreateTemporary(const std::string& path, std::string* temporary) {
  static unsigned long s_counter = 0;
  const std::string prefix = path + kTemporaryMark + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    *temporary = prefix + std::to_string(s_counter++);
    const int fd = ::open(temporary->c_str(),
                          O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0666);
    if (fd >= 0 || errno != EEXIST) {
      return fd;
    }
  }
  errno = EEXIST;
  return -1;
}

// True for a name this writer gives the temporaries of a file named `base`.
bool IsTemporaryName(std::string_view name, std::string_view base) {
  const std::string mark = std::string(base) + kTemporaryMark;
  if (name.size() <= mark.size() || name.substr(0, mark.size()) != mark) {
    return false;
  }
  const std::string_view rest = name.substr(mark.size());
  const std::size_t dash = rest.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash + 1 == rest.size()) {
    return false;
  }
  return rest.find_first_not_of("0123456789-") == std::string_view::npos &&
         rest.find('-', dash + 1) == std::string_view::npos;
}

}  // namespace

std::string FinalLinkTarget(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      return current;
    }
    char target[PATH_MAX];
    const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target) {
      return current;
    }
    const std::string next(target, static_cast<std::size_t>(length));
    current = next[0] == '/' ? next : ContainingFolder(current) + "/" + next;
  }
  return current;  // a loop: the rename fails on it and says so
}

bool WriteFileAtomically(const std::string& givenPath, std::string_view bytes, std::string* error) {
  // A symbolic link (a settings file kept with the user's other dotfiles) is written
  // through, so the link stays and its target gets the new content.
  const std::string path = FinalLinkTarget(givenPath);
  std::string temporary;
  const int fd = CreateTemporary(path, &temporary);
  if (fd < 0) {
    return Fail(ContainingFolder(path), errno, error);
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
  return Fail(path, failure, error);
}

void RemoveStaleTemporaries(const std::string& givenPath) {
  const std::string path = FinalLinkTarget(givenPath);
  const std::string folder = ContainingFolder(path);
  const std::string base = BaseName(path);
  DIR* listing = ::opendir(folder.c_str());
  if (listing == nullptr) {
    return;
  }
  while (const dirent* entry = ::readdir(listing)) {
    if (!IsTemporaryName(entry->d_name, base)) {
      continue;
    }
    const std::string stale = folder + "/" + entry->d_name;
    struct stat info {};
    if (::lstat(stale.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) {
      ::unlink(stale.c_str());
    }
  }
  ::closedir(listing);
}
