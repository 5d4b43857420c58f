#pragma once

#include <span>
#include <string>
#include <string_view>

#include "search/text_encoding.h"

// True when `upperName` (the name already upper-cased by the caller) contains one of
// `literals` starting at a character boundary, tried in order. The empty literal is
// contained in every name; the literals are taken as they are, so one holding a
// lower-case Latin letter matches no upper-cased name.
bool MatchesAnyLiteral(std::string_view upperName, std::span<const std::string> literals,
                       TextEncoding encoding = kNativeTextEncoding);
