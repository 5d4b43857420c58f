#include "platform/linux/shell_display_name.h"

#include <gio/gio.h>
#include <sys/stat.h>

#include <optional>

#include "platform/linux/shell_desktop_entry.h"

namespace {

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string DesktopEntryName(const std::string& path) {
  std::string error;
  const std::optional<DesktopEntry> entry = ReadDesktopEntry(path, &error);
  return entry ? entry->name : std::string();
}

std::string GioDisplayName(const std::string& path) {
  GFile* file = g_file_new_for_path(path.c_str());
  GFileInfo* info = g_file_query_info(file, G_FILE_ATTRIBUTE_STANDARD_DISPLAY_NAME,
                                      G_FILE_QUERY_INFO_NOFOLLOW_SYMLINKS, nullptr, nullptr);
  std::string name;
  if (info != nullptr) {
    const char* display = g_file_info_get_display_name(info);
    name = display != nullptr ? display : "";
    g_object_unref(info);
  }
  g_object_unref(file);
  return name;
}

}  // namespace

std::string DisplayNameOfPath(const std::string& path) {
  if (HasDesktopEntrySuffix(path) && IsRegularFile(path)) {
    std::string name = DesktopEntryName(path);
    if (!name.empty()) {
      return name;
    }
  }
  return GioDisplayName(path);
}

std::string DisplayNameOfUri(const std::string& uri) {
  gchar* unescaped = g_uri_unescape_string(uri.c_str(), nullptr);
  const char* readable =
      unescaped != nullptr && g_utf8_validate(unescaped, -1, nullptr) ? unescaped : uri.c_str();
  gchar* valid = g_utf8_make_valid(readable, -1);
  std::string name = valid;
  g_free(valid);
  g_free(unescaped);
  return name;
}
