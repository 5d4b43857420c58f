#include "platform/linux/shell_program.h"

#include <fcntl.h>
#include <glib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "platform/linux/shell_error_text.h"
#include "store/containing_folder.h"

namespace {

constexpr std::array<char, 4> kElfMagic = {'\x7f', 'E', 'L', 'F'};

}  // namespace

bool IsRunnableProgram(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || access(path.c_str(), X_OK) != 0) {
    return false;
  }
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    return errno == EACCES;  // execute-only: only the kernel can look inside
  }
  std::array<char, 4> head{};
  const ssize_t got = read(fd, head.data(), head.size());
  close(fd);
  return (got >= 2 && head[0] == '#' && head[1] == '!') ||
         (got == static_cast<ssize_t>(head.size()) && head == kElfMagic);
}

bool StartProgram(const std::string& path, std::string* error) {
  const std::string folder = ContainingFolder(path);
  gchar* argv[] = {const_cast<gchar*>(path.c_str()), nullptr};
  GError* failure = nullptr;
  // Without G_SPAWN_SEARCH_PATH the path is executed as it stands, and without
  // G_SPAWN_LEAVE_DESCRIPTORS_OPEN the child closes every descriptor above 2.
  if (!g_spawn_async(folder.c_str(), argv, nullptr, G_SPAWN_DEFAULT, nullptr, nullptr, nullptr,
                     &failure)) {
    *error = TakeErrorText(failure);
    return false;
  }
  return true;
}
