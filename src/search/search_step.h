#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class AnswerReadings;
class MigemoDictionary;
class NameIndex;
class NameMatches;

// The search step over names handed in as they are, without an index: which names, by
// position and in ascending order, the search text keeps: those where one of its
// SearchExpressions matches somewhere in the folded name (FoldName). An empty search text
// filters nothing and asks nothing: every position is returned. A text the dictionary
// answers nothing for keeps nothing.
std::vector<std::size_t> SearchNames(MigemoDictionary& dictionary, const std::string& searchText,
                                     std::span<const std::string_view> names);

// The search step of a list refresh, over the names `index` was built from: which of
// them, by position, SearchNames would keep. An empty search text keeps every name and
// asks nothing. The answers are read through `readings`, which the refreshes of one view
// share so that each answer is read and spelled out once; a word split is sought word
// by word, without spelling out the product of its words.
NameMatches SearchIndexedNames(MigemoDictionary& dictionary, AnswerReadings& readings,
                               const std::string& searchText, const NameIndex& index);
// As above, every answer read afresh.
NameMatches SearchIndexedNames(MigemoDictionary& dictionary, const std::string& searchText,
                               const NameIndex& index);

// The texts the search of a single letter, A to Z, asks the dictionary for: those worth
// asking for ahead, since every search starts with one of them.
std::vector<std::string> SingleLetterDictionaryTexts();
