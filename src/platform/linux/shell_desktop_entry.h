#pragma once

#include <optional>
#include <string>
#include <string_view>

// The keys of a desktop entry file (".desktop") that the launcher uses.
struct DesktopEntry {
  std::string type;  // "Application", "Link", ...
  std::string url;   // the target of a Link entry
  std::string name;  // Name, in the user's language where the file has it
  std::string icon;  // an icon-theme name or an absolute image path
};

// True when the path names a desktop entry: it ends exactly in ".desktop" (letter case
// counts, as it does for the desktop's own menus).
bool HasDesktopEntrySuffix(std::string_view path);

// Reads the entry of the regular file at `path`; nullopt with the system's text in
// `error` when it cannot be read or is not a desktop entry.
std::optional<DesktopEntry> ReadDesktopEntry(const std::string& path, std::string* error);
