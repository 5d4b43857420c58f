#include "platform/linux/shell_desktop_entry.h"

#include <memory>

#include "platform/linux/shell_error_text.h"
#include "store/whole_file.h"

namespace {

// Desktop entries are a few kilobytes; anything far larger is not one, and reading it
// whole would only stall the user interface.
constexpr std::size_t kMaxEntrySize = 1 << 20;

constexpr char kSuffix[] = ".desktop";
constexpr char kGroup[] = "Desktop Entry";

struct KeyFileDeleter {
  void operator()(GKeyFile* file) const { g_key_file_free(file); }
};

std::string StringKey(GKeyFile* file, const char* key, bool localised) {
  gchar* value = localised ? g_key_file_get_locale_string(file, kGroup, key, nullptr, nullptr)
                           : g_key_file_get_string(file, kGroup, key, nullptr);
  std::string result = value != nullptr ? value : "";
  g_free(value);
  return result;
}

}  // namespace

bool HasDesktopEntrySuffix(std::string_view path) {
  return path.ends_with(kSuffix);
}

std::optional<DesktopEntry> ReadDesktopEntry(const std::string& path, std::string* error) {
  std::string bytes;
  if (const int failure = ReadWholeFile(path, &bytes, kMaxEntrySize); failure != 0) {
    *error = ErrnoText(failure);
    return std::nullopt;
  }
  std::unique_ptr<GKeyFile, KeyFileDeleter> file(g_key_file_new());
  GError* failure = nullptr;
  if (!g_key_file_load_from_data(file.get(), bytes.data(), bytes.size(), G_KEY_FILE_NONE,
                                 &failure)) {
    *error = TakeErrorText(failure);
    return std::nullopt;
  }
  if (!g_key_file_has_group(file.get(), kGroup)) {
    // Asking for the group's keys yields GLib's own message for a missing group.
    g_strfreev(g_key_file_get_keys(file.get(), kGroup, nullptr, &failure));
    *error = TakeErrorText(failure);
    return std::nullopt;
  }
  DesktopEntry entry;
  entry.type = StringKey(file.get(), "Type", false);
  entry.url = StringKey(file.get(), "URL", false);
  entry.name = StringKey(file.get(), "Name", true);
  entry.icon = StringKey(file.get(), "Icon", true);
  return entry;
}
