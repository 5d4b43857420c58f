#pragma once

#include <span>
#include <string>
#include <string_view>

// True when `name` contains one of `literals` starting at a character boundary, tried in
// order, byte for byte (the caller folds both alike). The empty literal is contained in
// every name.
bool MatchesAnyLiteral(std::string_view name, std::span<const std::string> literals);

// True when `name` holds a literal of each of `words`, one directly after the other, the
// first starting at a character boundary: MatchesAnyLiteral over every literal the
// words' product spells out, without spelling it out. No words are the empty literal.
bool MatchesLiteralSequence(std::string_view name,
                            std::span<const std::span<const std::string>> words);
