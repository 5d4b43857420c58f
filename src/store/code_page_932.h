#pragma once

#include <string>
#include <string_view>

// Older collection files hold their names in code page 932: Shift_JIS with the NEC and
// IBM extensions, as Japanese Windows writes it.

// The UTF-8 form of `text` read as code page 932. A byte or pair that stands for no
// character becomes U+FFFD; the byte after a lead byte is read again on its own when it
// is ASCII, so a damaged pair never takes a letter or a bracket with it.
std::string Utf8FromCodePage932(std::string_view text);
