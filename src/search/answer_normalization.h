#pragma once

#include <string>
#include <string_view>

// The dictionary's answer as the regular expression the search evaluates against names
// folded with FoldName: every character the expression matches literally is folded the
// same way (a full-width "（" stays itself, so it never opens a group), and two slips of the
// dictionary's words, which a regular expression would reject, are read as the characters they are:
// "+",
// "*" and "?" where nothing precedes them to repeat (the word "C++" after a "|"), and a
// backslash at the very end. Escapes of ASCII characters and everything else keep their
// meaning.
std::string NormalizeAnswer(std::string_view answer);
