#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/globals.h"

class Files;

// setting.ini: an INI text file whose section "GENERAL" holds the eleven settings as
// key=value lines in signed decimal. Section and key names compare case-insensitively.
// A file larger than this is not a settings file anyone wrote by hand; reading it would
// only cost time and memory.
inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{1} << 20;

inline constexpr char kSettingsFileName[] = "setting.ini";
inline constexpr char kSettingsSection[] = "GENERAL";

// The value of a key as a number: the leading signed decimal integer of the text after
// leading blanks; 0 when the text does not start with one. Values beyond the 32-bit
// range saturate at its nearest end, so a slip of the finger cannot wrap a size negative.
std::int32_t ParseProfileInt(std::string_view text);

// Reads the eleven settings. A missing or unreadable file, or a missing key, gives that
// key's default. A file that is too large or not text gives every default, and
// `setAside` (when given) says why: such a file is to be left as it is.
Settings ReadSettings(Files& files, const std::string& path, std::string* setAside = nullptr);

// Sets the eleven keys in the file in place, adding those that are missing to its first
// section "GENERAL", and keeps every other byte as it was. The file is replaced whole or
// not at all. A file that exists but cannot be read, is too large or is not text, is
// left alone rather than replaced by one that would lose its other lines. On failure
// `error` says why.
bool WriteSettings(Files& files, const std::string& path, const Settings& settings,
                   std::string* error);

// The same with the system's own files.
Settings ReadSettings(const std::string& path, std::string* setAside = nullptr);
bool WriteSettings(const std::string& path, const Settings& settings, std::string* error);
