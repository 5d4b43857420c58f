#include "platform/linux/xdg_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

bool IsAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); IsAbsolute(home)) {
    return home;
  }
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
      found != nullptr && IsAbsolute(found->pw_dir)) {
    return found->pw_dir;
  }
  return {};
}

}  // namespace

std::string XdgBaseFolder(const char* variable, const char* fallback) {
  if (const char* value = std::getenv(variable); IsAbsolute(value)) {
    return value;
  }
  const std::string home = HomeFolder();
  return home.empty() ? std::string() : home + "/" + fallback;
}

bool MakePrivateFolder(const std::string& path, std::string* error) {
  // Each prefix ending before a slash, then the whole path.
  for (std::size_t end = 1; end <= path.size(); ++end) {
    if (end < path.size() && path[end] != '/') {
      continue;
    }
    const std::string prefix = path.substr(0, end);
    if (::mkdir(prefix.c_str(), 0700) == 0 || errno == EEXIST) {
      continue;
    }
    *error = prefix + ": " + std::strerror(errno);
    return false;
  }
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    *error = path + ": " + std::strerror(errno);
    return false;
  }
  if (!S_ISDIR(status.st_mode)) {
    *error = path + ": " + std::strerror(ENOTDIR);
    return false;
  }
  return true;
}
