#pragma once

#include <span>
#include <string>
#include <string_view>

// True when `name` contains one of `literals` starting at a character boundary, tried in
// order, byte for byte (the caller folds both alike). The empty literal is contained in
// every name.
bool MatchesAnyLiteral(std::string_view name, std::span<const std::string> literals);
