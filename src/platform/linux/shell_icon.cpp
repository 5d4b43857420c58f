#include "platform/linux/shell_icon.h"

#include <gio/gio.h>

#include <optional>
#include <string>

#include "platform/linux/shell_desktop_entry.h"
#include "platform/linux/shell_id_list.h"

namespace {

// Theme names or the image file of a GIO icon; an emblemed icon gives its base icon.
void TakeGioIcon(GIcon* icon, IconSource* source) {
  if (icon != nullptr && G_IS_EMBLEMED_ICON(icon)) {
    icon = g_emblemed_icon_get_icon(G_EMBLEMED_ICON(icon));
  }
  if (icon != nullptr && G_IS_THEMED_ICON(icon)) {
    for (const gchar* const* name = g_themed_icon_get_names(G_THEMED_ICON(icon));
         name != nullptr && *name != nullptr; ++name) {
      source->themedNames.emplace_back(*name);
    }
  } else if (icon != nullptr && G_IS_FILE_ICON(icon)) {
    gchar* path = g_file_get_path(g_file_icon_get_file(G_FILE_ICON(icon)));
    source->filePath = path != nullptr ? path : "";
    g_free(path);
  }
}

bool TakeDesktopEntryIcon(const std::string& path, IconSource* source) {
  std::string error;
  const std::optional<DesktopEntry> entry = ReadDesktopEntry(path, &error);
  if (!entry || entry->icon.empty()) {
    return false;
  }
  if (entry->icon.front() == '/') {
    source->filePath = entry->icon;
  } else {
    source->themedNames.push_back(entry->icon);
  }
  return true;
}

// The icon of the type the name suggests, for an object that cannot be looked at.
void TakeGuessedIcon(const std::string& path, IconSource* source) {
  gchar* type = g_content_type_guess(path.c_str(), nullptr, 0, nullptr);
  GIcon* icon = g_content_type_get_icon(type);
  TakeGioIcon(icon, source);
  g_object_unref(icon);
  g_free(type);
}

IconSource FileIcon(const std::string& path) {
  IconSource source;
  GFile* file = g_file_new_for_path(path.c_str());
  GFileInfo* info =
      g_file_query_info(file, G_FILE_ATTRIBUTE_STANDARD_ICON "," G_FILE_ATTRIBUTE_STANDARD_TYPE,
                        G_FILE_QUERY_INFO_NONE, nullptr, nullptr);
  g_object_unref(file);
  if (info == nullptr) {
    TakeGuessedIcon(path, &source);
    return source;
  }
  const bool isFolder = g_file_info_get_file_type(info) == G_FILE_TYPE_DIRECTORY;
  source.isFolder = isFolder;
  if (isFolder || !HasDesktopEntrySuffix(path) || !TakeDesktopEntryIcon(path, &source)) {
    TakeGioIcon(g_file_info_get_icon(info), &source);
  }
  g_object_unref(info);
  return source;
}

IconSource UriIcon(const std::string& uri) {
  IconSource source;
  const char* scheme = g_uri_peek_scheme(uri.c_str());
  GAppInfo* handler = scheme != nullptr ? g_app_info_get_default_for_uri_scheme(scheme) : nullptr;
  if (handler != nullptr) {
    TakeGioIcon(g_app_info_get_icon(handler), &source);
    g_object_unref(handler);
  }
  return source;
}

}  // namespace

IconSource FetchSmallIcon(const IdList* list) {
  const std::string path = PathFromIdList(list);
  if (!path.empty()) {
    return FileIcon(path);
  }
  const std::string uri = UriFromIdList(list);
  return uri.empty() ? IconSource() : UriIcon(uri);
}
