#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Names, search texts and dictionary answers are UTF-8 on both systems: a collection
// file then reads the same on either, names from the Windows shell (UTF-16) convert
// without loss, and nothing depends on the system's ANSI code page. Scans over such text
// step one whole character at a time, so that no byte inside a character is taken for
// an ASCII one: a well-formed sequence is a character, any other byte stands alone.

// The length in bytes of the character that starts at `position` (< text.size()).
// Never more than the bytes left; 1 for a byte that starts no complete character.
std::size_t CharacterLength(std::string_view text, std::size_t position);

// Whether the character at `position` (< text.size()) stays the same character, of the
// same length, whatever bytes follow `text`: false for a lead byte that the end of
// `text` cuts short, which may begin a longer character in a text that goes on.
bool IsCompleteCharacter(std::string_view text, std::size_t position);

// For each byte of `text`, whether a character starts there.
std::vector<bool> CharacterStarts(std::string_view text);

// Whether a character starts at `position` (< text.size()) of UTF-8 text, decided from
// the few bytes before it: well-formed sequences never overlap, so only one that begins
// at most three bytes earlier can cover it.
bool IsUtf8CharacterStart(std::string_view text, std::size_t position);

// Whether every byte of `text` belongs to a well-formed UTF-8 sequence.
bool IsWellFormedUtf8(std::string_view text);

// Appends the UTF-8 form of the code point `code` (at most U+10FFFF) to `out`.
void AppendUtf8(std::string& out, char32_t code);
std::string Utf8Of(char32_t code);
