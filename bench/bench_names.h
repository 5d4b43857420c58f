#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Launch-item names as a user's collection holds them: Japanese words (readings in
// kana and their kanji spellings, taken from the migemo dictionary file) with file
// extensions, mixed with ASCII file names. The same count always gives the same names.
std::vector<std::string> RealisticNames(const std::string& dictionaryPath, std::size_t count);
