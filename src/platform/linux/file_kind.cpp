#include "platform/linux/file_kind.h"

#include <sys/stat.h>

#include "platform/linux/atomic_file.h"

bool NameIsTaken(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string DanglingLinkTarget(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode) ||
      ::stat(path.c_str(), &info) == 0) {
    return {};
  }
  return FinalLinkTarget(path);
}
