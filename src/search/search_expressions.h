#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "search/answer_readings.h"

class MigemoDictionary;

// One of the things a search text seeks: the expressions of its words, one directly after
// the other. Most terms are a single answer; a word split has two or three words.
struct SearchTerm {
  std::vector<std::shared_ptr<const AnswerReading>> words;

  // The words as one regular expression: "(first)(rest)", the rest alike.
  std::string Expression() const;
};

// The regular expressions one search text (letters of either case, digits and "-") asks
// of the names folded with FoldName: a name is kept when one of them matches somewhere
// in it. In this order, each the dictionary's answer read by NormalizeAnswer, without its
// symbol words (DropSymbolWords) when the text holds a letter:
// - the answer for every reading of RomajiReadings, the text as typed first;
// - the answers for its LooseReadings (without their Latin spellings), at most
//   kLooseQueries of them asked; of those that need a word, the words alone (no kana
//   spellings) of the first kLooseWords where the dictionary knows one;
// - when none of these knows a word and the text is letters only, the text split in two
//   (or three) words, the first a word the dictionary knows, longest first: the answers
//   of the words one after the other, as the library itself reads a text with a capital
//   at each word's start ("keihiSeisan" 経費精算). At most two splits, found by asking at
//   most kSplitQueries heads and tails.
// An empty search text asks nothing and gives nothing.
std::vector<std::string> SearchExpressions(MigemoDictionary& dictionary,
                                           const std::string& searchText);

// The terms whose Expression()s are the SearchExpressions, read through `readings`.
std::vector<SearchTerm> SearchTerms(MigemoDictionary& dictionary, AnswerReadings& readings,
                                    const std::string& searchText);

inline constexpr std::size_t kLooseQueries = 6;
inline constexpr std::size_t kLooseWords = 2;  // loose readings kept for their words
inline constexpr std::size_t kSplitQueries = 6;
