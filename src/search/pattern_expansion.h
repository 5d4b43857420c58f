#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The most bytes the literals of one expansion may take; an expression that spells out
// more is left to the regular-expression engine.
inline constexpr std::size_t kExpansionByteLimit = std::size_t{4} << 20;

// Spells out the strings a regular expression matches, appending them to `literals`, when
// they are a finite set: the expression uses only literal characters (escaped ASCII
// punctuation among them), groups, alternation, character classes (with ranges) and "?".
// The expression matches somewhere in a text exactly when one of the literals occurs
// there at a character start. Returns false, leaving `literals` as it was, for any other
// construct (".", "*", "+", counted repeats, anchors, escapes such as "\d", "(?"
// groups, negated classes), for an expression a regular-expression engine rejects
// (unbalanced parentheses or brackets, a quantifier with nothing to repeat), and when
// the literals would take more than `byteLimit` bytes.
bool ExpandPattern(std::string_view expression, std::vector<std::string>& literals,
                   std::size_t byteLimit = kExpansionByteLimit);
