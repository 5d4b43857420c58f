#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The multibyte encoding of names, search texts and dictionary answers. Scans over such
// text step one whole character at a time, so that no byte inside a character is taken
// for an ASCII one.
enum class TextEncoding {
  kUtf8,      // well-formed sequences are characters, any other byte stands alone
  kShiftJis,  // code page 932: a lead byte takes the byte after it along
};

// Both builds keep their text in UTF-8, the Windows one too: a collection file then
// reads the same on either system, names from the Windows shell (UTF-16) convert
// without loss, and nothing depends on the system's ANSI code page.
inline constexpr TextEncoding kNativeTextEncoding = TextEncoding::kUtf8;

// The length in bytes of the character that starts at `position` (< text.size()).
// Never more than the bytes left; 1 for a byte that starts no complete character.
std::size_t CharacterLength(std::string_view text, std::size_t position, TextEncoding encoding);

// Whether the character at `position` (< text.size()) stays the same character, of the
// same length, whatever bytes follow `text`: false for a lead byte that the end of
// `text` cuts short, which may begin a longer character in a text that goes on.
bool IsCompleteCharacter(std::string_view text, std::size_t position, TextEncoding encoding);

// For each byte of `text`, whether a character starts there.
std::vector<bool> CharacterStarts(std::string_view text, TextEncoding encoding);

// Whether a character starts at `position` (< text.size()) of UTF-8 text, decided from
// the few bytes before it: well-formed sequences never overlap, so only one that begins
// at most three bytes earlier can cover it.
bool IsUtf8CharacterStart(std::string_view text, std::size_t position);

// Whether every byte of `text` belongs to a well-formed UTF-8 sequence.
bool IsWellFormedUtf8(std::string_view text);

// Appends the UTF-8 form of the code point `code` (at most U+10FFFF) to `out`.
void AppendUtf8(std::string& out, char32_t code);
std::string Utf8Of(char32_t code);
