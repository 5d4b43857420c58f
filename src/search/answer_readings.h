#pragma once

#include <array>
#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "search/regex_filter.h"

class MigemoDictionary;

// One answer of the dictionary as the search reads it, spelled out once.
struct AnswerReading {
  // NormalizeAnswer's expression with what its use leaves out; empty: it seeks nothing.
  std::string expression;
  // Whether `literals` are the strings the expression matches (ExpandPattern); when not,
  // `filter` evaluates it, unless PCRE2 rejects it too.
  bool spelledOut = false;
  std::vector<std::string> literals;
  std::unique_ptr<RegexFilter> filter;
};

// What the search keeps of an answer, by the text it asked.
enum class AnswerUse {
  kTyped,      // a reading of the text as typed: all of it
  kLoose,      // a loose reading: not the text spelled in Latin letters
  kLooseWord,  // a loose reading kept for its words: not its Latin or kana spellings either
};

// The dictionary's answers as the search reads them, kept between keystrokes: typing a
// key reads and spells out only the answers no earlier key needed, however many
// remembered ones the search text asks again. Each reading is kept with the answer it
// was read from, and is read again when the dictionary answers otherwise (opened anew).
// Holds the readings of the kRememberedTexts texts asked most recently.
class AnswerReadings {
 public:
  // The dictionary's answer for one text, with its readings made as they are needed.
  class Answer {
   public:
    explicit Answer(std::string answer);

    // Whether the answer holds a word of its own (HoldsDictionaryWord).
    bool KnowsWord() const { return m_knowsWord; }
    // The answer read for `use`, without its symbol words when `dropSymbolWords`
    // (DropSymbolWords).
    std::shared_ptr<const AnswerReading> Read(AnswerUse use, bool dropSymbolWords);

   private:
    friend class AnswerReadings;

    std::string m_answer;
    bool m_knowsWord = false;
    std::array<std::shared_ptr<const AnswerReading>, 6> m_readings;  // by use, then dropping
  };

  // Asks the dictionary for `text`. The answer stays valid until the next Ask; the
  // readings taken from it as long as they are held.
  Answer& Ask(MigemoDictionary& dictionary, const std::string& text);

  static constexpr std::size_t kRememberedTexts = 64;

 private:
  // Most recently asked first; the map finds a text's entry in the list.
  using Entry = std::pair<std::string, Answer>;
  std::list<Entry> m_entries;
  std::unordered_map<std::string, std::list<Entry>::iterator> m_entryByText;
};
