#include "platform/linux/file_rename.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

int RenameToFreeName(const std::string& from, const std::string& to) {
  struct stat existing {};
  if (::lstat(to.c_str(), &existing) == 0) {
    return EEXIST;
  }
  if (errno != ENOENT) {
    return errno;
  }
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}
