#include "app/settings.h"

#include <cerrno>
#include <cstring>
#include <limits>

#include "app/ini_text.h"
#include "resources/texts.h"
#include "store/files.h"
#include "store/whole_file.h"

namespace {

struct SettingKey {
  const char* name;
  std::int32_t Settings::*member;
};

// The order in which the keys are read, and written into a file that lacks them.
constexpr SettingKey kSettingKeys[] = {
    {"popular", &Settings::popular},       {"recent", &Settings::recent},
    {"staygroup", &Settings::staygroup},   {"showicon", &Settings::showicon},
    {"showtool", &Settings::showtool},     {"hotkey", &Settings::hotkey},
    {"hotkeyMask", &Settings::hotkeyMask}, {"width", &Settings::width},
    {"height", &Settings::height},         {"help_start", &Settings::help_start},
    {"g_autohide", &Settings::g_autohide},
};

// A NUL byte says the file is not the text file the user edits by hand.
bool IsText(std::string_view content) {
  return content.find('\0') == std::string_view::npos;
}

}  // namespace

std::int32_t ParseProfileInt(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
    ++at;
  }
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
    negative = text[at] == '-';
    ++at;
  }
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kMagnitudeLimit = kMax + 1;  // the size of INT32_MIN
  std::int64_t magnitude = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    magnitude = magnitude * 10 + (text[at] - '0');
    if (magnitude > kMagnitudeLimit) {
      magnitude = kMagnitudeLimit;  // stays put, so the digits that follow cannot overflow
    }
  }
  if (negative) {
    return static_cast<std::int32_t>(-magnitude);
  }
  return static_cast<std::int32_t>(magnitude > kMax ? kMax : magnitude);
}

Settings ReadSettings(Files& files, const std::string& path, std::string* setAside) {
  Settings settings;
  std::string content;
  if (const int failure = ReadWholeFile(files, path, &content, kMaxSettingsFileBytes);
      failure != 0) {
    if (failure == EFBIG && setAside != nullptr) {
      *setAside = texts::kSettingsTooLarge;
    }
    return settings;
  }
  if (!IsText(content)) {
    if (setAside != nullptr) {
      *setAside = texts::kSettingsNotText;
    }
    return settings;
  }
  const IniText ini(content);
  for (const SettingKey& key : kSettingKeys) {
    if (const auto value = ini.Value(kSettingsSection, key.name)) {
      settings.*key.member = ParseProfileInt(*value);
    }
  }
  return settings;
}

bool WriteSettings(Files& files, const std::string& path, const Settings& settings,
                   std::string* error) {
  std::string content;
  if (const int failure = ReadWholeFile(files, path, &content, kMaxSettingsFileBytes);
      failure == ENOENT) {
    content.clear();
  } else if (failure == EFBIG) {
    *error = texts::kSettingsTooLarge;
    return false;
  } else if (failure != 0) {
    *error = std::strerror(failure);
    return false;
  } else if (!IsText(content)) {
    *error = texts::kSettingsNotText;
    return false;
  }

  IniText ini(content);
  for (const SettingKey& key : kSettingKeys) {
    ini.SetValue(kSettingsSection, key.name, std::to_string(settings.*key.member));
  }
  return files.WriteAtomically(path, ini.Text(), error);
}

Settings ReadSettings(const std::string& path, std::string* setAside) {
  return ReadSettings(SystemFiles(), path, setAside);
}

bool WriteSettings(const std::string& path, const Settings& settings, std::string* error) {
  return WriteSettings(SystemFiles(), path, settings, error);
}
