#pragma once

#include <string>
#include <string_view>

// The program keeps its text in UTF-8; Windows speaks UTF-16. Ill-formed input becomes
// U+FFFD rather than being cut short.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
