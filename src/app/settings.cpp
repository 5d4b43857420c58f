#include "app/settings.h"

#include <strings.h>

#include <cerrno>
#include <cstring>
#include <limits>

// The Debian build of SimpleIni ships its template bodies behind SI_IMPLEMENTATION;
// narrow text only, bytes kept as they are.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include "resources/texts.h"
#include "store/atomic_file.h"
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

// The library parses NUL-terminated text: a NUL byte would hide the rest of the file.
bool IsText(std::string_view content) {
  return content.find('\0') == std::string_view::npos;
}

// Case-insensitive names; a key that appears twice keeps both lines, and lookups see
// the first, as the profile reads do. Bare words without '=' stay off: the library
// gives such a line the value of the line before it.
class ProfileIni : public CSimpleIniA {
 public:
  ProfileIni() : CSimpleIniA(/*a_bIsUtf8=*/false, /*a_bMultiKey=*/true, /*a_bMultiLine=*/false) {
    SetSpaces(false);
  }
};

// The library hands a comment to the entry that follows it, so comment lines after the
// last entry would have nothing to hold on to and vanish. A marker section behind the
// text gives them that entry; it is cut out of the saved text again.
std::string EndMarkerFor(std::string_view content) {
  std::string marker = "\x01vostek-end";
  while (content.find(marker) != std::string_view::npos) {
    marker += '\x01';
  }
  return marker;
}

void CutMarkerLine(std::string& saved, const std::string& marker) {
  const std::string line = "[" + marker + "]\n";
  const std::size_t at = saved.find(line);  // unique: the marker is not in the user's text
  if (at == std::string::npos) {
    return;
  }
  saved.erase(at, line.size());
  // With the marker go the blank lines the library put between it and the next section.
  if (saved.compare(at, 2, "\n\n") == 0) {
    saved.erase(at, 2);
  }
  // And at the end of the file, the blank lines it put before the marker.
  while (saved.size() >= 2 && saved[saved.size() - 1] == '\n' && saved[saved.size() - 2] == '\n') {
    saved.pop_back();
  }
}

// The spelling the file already uses for a key, so that updating a value leaves the
// name as the user wrote it.
std::string ExistingKeyName(const CSimpleIniA& ini, const char* key) {
  CSimpleIniA::TNamesDepend keys;
  ini.GetAllKeys(kSettingsSection, keys);
  for (const CSimpleIniA::Entry& entry : keys) {
    if (strcasecmp(entry.pItem, key) == 0) {
      return entry.pItem;
    }
  }
  return key;
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

Settings ReadSettings(const std::string& path) {
  Settings settings;
  std::string content;
  if (ReadWholeFile(path, &content) != 0 || !IsText(content)) {
    return settings;
  }
  ProfileIni ini;
  if (ini.LoadData(content) < 0) {
    return settings;
  }
  for (const SettingKey& key : kSettingKeys) {
    if (const char* value = ini.GetValue(kSettingsSection, key.name, nullptr)) {
      settings.*key.member = ParseProfileInt(value);
    }
  }
  return settings;
}

bool WriteSettings(const std::string& path, const Settings& settings, std::string* error) {
  std::string content;
  if (const int failure = ReadWholeFile(path, &content); failure == ENOENT) {
    content.clear();
  } else if (failure != 0) {
    *error = std::strerror(failure);
    return false;
  } else if (!IsText(content)) {
    *error = texts::kSettingsNotText;
    return false;
  }

  const std::string marker = EndMarkerFor(content);
  ProfileIni ini;
  if (ini.LoadData(content + "\n[" + marker + "]\n") < 0) {
    *error = std::strerror(ENOMEM);
    return false;
  }
  for (const SettingKey& key : kSettingKeys) {
    const std::string name = ExistingKeyName(ini, key.name);
    const std::string value = std::to_string(settings.*key.member);
    if (ini.SetValue(kSettingsSection, name.c_str(), value.c_str(), nullptr,
                     /*a_bForceReplace=*/true) < 0) {
      *error = std::strerror(ENOMEM);
      return false;
    }
  }

  std::string saved;
  if (ini.Save(saved, /*a_bAddSignature=*/true) < 0) {
    *error = std::strerror(ENOMEM);
    return false;
  }
  CutMarkerLine(saved, marker);
  return WriteFileAtomically(path, saved, error);
}
