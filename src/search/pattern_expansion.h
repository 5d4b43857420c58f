#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "search/text_encoding.h"

// Flattens the dictionary's regular expression into the literal alternatives it spells
// out, appending them to `literals` in order. Only "(", ")", "[", "]" and "|" are
// structural; everything else is text. Alternatives of a group carry the text of the
// groups around them; a character class gives one literal per character; text outside
// every group, and text after the last "|" or ")" of its group, gives nothing.
// Unbalanced expressions are expanded by the same rules without error.
void ExpandPattern(std::string_view expression, std::vector<std::string>& literals,
                   TextEncoding encoding = kNativeTextEncoding);
