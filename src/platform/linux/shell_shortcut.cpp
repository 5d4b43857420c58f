#include "platform/linux/shell_shortcut.h"

#include <glib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

#include "platform/linux/shell_desktop_entry.h"
#include "platform/linux/shell_id_list.h"
#include "store/containing_folder.h"

namespace {

constexpr char kLinkType[] = "Link";

bool IsSymbolicLink(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The link's stored text; nullopt when it cannot be read.
std::optional<std::string> ReadLinkText(const std::string& path) {
  std::string text(256, '\0');
  for (;;) {
    const ssize_t length = readlink(path.c_str(), text.data(), text.size());
    if (length < 0) {
      return std::nullopt;
    }
    if (static_cast<std::size_t>(length) < text.size()) {
      text.resize(static_cast<std::size_t>(length));
      return text;
    }
    text.resize(text.size() * 2);  // the text may have been cut short
  }
}

IdListPtr SymbolicLinkTarget(const std::string& path) {
  const std::optional<std::string> text = ReadLinkText(path);
  if (!text || text->empty()) {
    return nullptr;
  }
  return IdListFromPath(text->front() == '/' ? *text : ContainingFolder(path) + "/" + *text);
}

IdListPtr UrlTarget(const std::string& url) {
  if (url.empty()) {
    return nullptr;
  }
  if (url.front() == '/') {
    return IdListFromPath(url);
  }
  const char* scheme = g_uri_peek_scheme(url.c_str());  // lower-cased
  if (scheme == nullptr) {
    return nullptr;  // neither a URL nor an absolute path
  }
  if (g_strcmp0(scheme, "file") != 0) {
    return IdListFromUri(url);
  }
  gchar* host = nullptr;
  gchar* path = g_filename_from_uri(url.c_str(), &host, nullptr);
  const bool local = path != nullptr && (host == nullptr || g_strcmp0(host, "localhost") == 0);
  IdListPtr target = local ? IdListFromPath(path) : IdListFromUri(url);
  g_free(path);
  g_free(host);
  return target;
}

}  // namespace

bool IsShortcut(const std::string& path) {
  if (IsSymbolicLink(path)) {
    return true;
  }
  // A folder that happens to be named *.desktop is a folder, not a broken shortcut.
  if (!HasDesktopEntrySuffix(path) || IsFolder(path)) {
    return false;
  }
  std::string error;
  const std::optional<DesktopEntry> entry = ReadDesktopEntry(path, &error);
  return !entry || entry->type == kLinkType;
}

IdListPtr ResolveShortcut(const std::string& path) {
  if (IsSymbolicLink(path)) {
    return SymbolicLinkTarget(path);
  }
  std::string error;
  const std::optional<DesktopEntry> entry = ReadDesktopEntry(path, &error);
  if (!entry || entry->type != kLinkType) {
    return nullptr;
  }
  return UrlTarget(entry->url);
}
