#pragma once

#include <string>
#include <string_view>

// A regular expression (as NormalizeAnswer makes it) without the words made of nothing
// but symbols: the dictionary also reads "line" as "＿" and "ten" as "、", which a user
// typing letters never means and which many names hold. At the top level of the
// expression (inside its one enclosing group, when it has one) an alternative that holds
// a symbol and no letter, digit, kana or kanji is left out, and so is every symbol of a
// character class that is a whole alternative. Symbols within a word ("C++", "ＵＳＢ・
// メモリ") stay. When nothing but symbols is left, the result is empty: it keeps no name.
std::string DropSymbolWords(std::string_view expression);

// Whether the dictionary's answer (as it gives it) holds a word of its own, not only the
// text spelled out in kana and Latin letters: a kanji, a capital Latin letter ("USB"),
// or more top-level alternatives than the four spellings ("グーグル" beside "ゴオgェ").
bool HoldsDictionaryWord(std::string_view answer);

// The expression (as NormalizeAnswer makes it) without its top-level alternatives made
// only of ASCII letters, digits and "-": the text asked, spelled in Latin letters, which
// for a reading other than the one typed is not what was typed.
std::string DropLatinSpellings(std::string_view expression);

// The expression without its top-level alternatives made only of kana without "ー"
// (classes of kana among them): the text asked, spelled in kana, which for a reading
// other than the one typed is not what was typed. Words of the dictionary stay.
std::string DropKanaSpellings(std::string_view expression);
