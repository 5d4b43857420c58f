#include "platform/linux/shell_launch.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cerrno>
#include <memory>
#include <optional>

#include "platform/linux/shell_desktop_entry.h"
#include "platform/linux/shell_error_text.h"
#include "platform/linux/shell_program.h"

namespace {

constexpr char kApplicationType[] = "Application";

struct GObjectDeleter {
  void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectDeleter>;

bool LaunchApplication(GAppInfo* application, GFile* file, std::string* error) {
  GList files{};
  files.data = file;
  GError* failure = nullptr;
  if (!g_app_info_launch(application, file != nullptr ? &files : nullptr, nullptr, &failure)) {
    *error = TakeErrorText(failure);
    return false;
  }
  return true;
}

// A Type=Application entry starts its application; nullopt for other entries, which
// open like any other file.
std::optional<bool> StartDesktopEntry(const std::string& path, std::string* error) {
  const std::optional<DesktopEntry> entry = ReadDesktopEntry(path, error);
  if (!entry) {
    return false;
  }
  if (entry->type != kApplicationType) {
    return std::nullopt;
  }
  GObjectPtr<GDesktopAppInfo> application(g_desktop_app_info_new_from_filename(path.c_str()));
  if (!application) {
    // GIO refuses entries it will not run (no Exec, TryExec not found, Hidden) silently.
    *error = ErrnoText(ENOEXEC);
    return false;
  }
  return LaunchApplication(G_APP_INFO(application.get()), nullptr, error);
}

bool OpenWithDefaultApplication(const std::string& path, std::string* error) {
  GObjectPtr<GFile> file(g_file_new_for_path(path.c_str()));
  GError* failure = nullptr;
  GObjectPtr<GAppInfo> handler(g_file_query_default_handler(file.get(), nullptr, &failure));
  if (!handler) {
    *error = TakeErrorText(failure);
    return false;
  }
  return LaunchApplication(handler.get(), file.get(), error);
}

// GIO tidies ".." away by the letters of the path, which is wrong where the folder
// before it is a link; the kernel's reading of the path is the one that counts.
std::string WithParentStepsResolved(const std::string& path) {
  std::size_t end = std::string::npos;  // just after the last ".." component
  for (std::size_t at = path.find("/.."); at != std::string::npos; at = path.find("/..", at + 1)) {
    if (at + 3 == path.size() || path[at + 3] == '/') {
      end = at + 3;
    }
  }
  if (end == std::string::npos) {
    return path;
  }
  char* resolved = realpath(path.substr(0, end).c_str(), nullptr);
  if (resolved == nullptr) {
    return path;  // the failure shows when the path is opened
  }
  const std::string head = resolved;
  free(resolved);
  const std::string tail = path.substr(end);
  return head == "/" && !tail.empty() ? tail : head + tail;
}

}  // namespace

bool OpenPath(const std::string& given, std::string* error) {
  const std::string path = WithParentStepsResolved(given);
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    *error = ErrnoText(errno);
    return false;
  }
  if (S_ISREG(info.st_mode) && HasDesktopEntrySuffix(path)) {
    if (const std::optional<bool> started = StartDesktopEntry(path, error)) {
      return *started;
    }
  }
  if (S_ISREG(info.st_mode) && IsRunnableProgram(path)) {
    return StartProgram(path, error);
  }
  return OpenWithDefaultApplication(path, error);
}

bool OpenFolderPath(const std::string& given, std::string* error) {
  const std::string path = WithParentStepsResolved(given);
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    *error = ErrnoText(errno);
    return false;
  }
  if (!S_ISDIR(info.st_mode)) {
    *error = ErrnoText(ENOTDIR);
    return false;
  }
  return OpenWithDefaultApplication(path, error);
}

bool OpenUri(const std::string& uri, std::string* error) {
  GError* failure = nullptr;
  if (!g_app_info_launch_default_for_uri(uri.c_str(), nullptr, &failure)) {
    *error = TakeErrorText(failure);
    return false;
  }
  return true;
}
