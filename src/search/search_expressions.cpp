#include "search/search_expressions.h"

#include <algorithm>
#include <optional>

#include "search/romaji_readings.h"
#include "search/text_fold.h"

namespace {

// The shortest text worth splitting, and the shortest word of a split: shorter heads are
// the start of thousands of words.
constexpr std::size_t kShortestSplitText = 6;
constexpr std::size_t kShortestWord = 3;
// The largest product of the sizes of a split's two expressions, which bounds what it
// spells out: a first word that makes more starts too many words to mark where one ends
// ("kei" of 計, 経, 系 ... before "hiseisan"), and costs a long search.
constexpr std::size_t kLargestSplit = std::size_t{32} << 10;
// How many splits of one text are tried at most.
constexpr std::size_t kSplits = 2;

bool IsLetter(char byte) {
  return byte >= 'a' && byte <= 'z';
}

bool IsVowel(char letter) {
  return std::string_view("aiueo").find(letter) != std::string_view::npos;
}

// Whether a word may start at `position` of romaji `text`: at a consonant that neither
// doubles the one before it (a small っ) nor continues it ("sh", "ky", "ts"); "h" and
// "y" only after a vowel.
bool StartsWord(std::string_view text, std::size_t position) {
  const char letter = text[position];
  const char before = text[position - 1];
  if (letter == 'h' || letter == 'y') {
    return IsVowel(before);
  }
  return !IsVowel(letter) && letter != before && !(before == 't' && letter == 's');
}

class TermBuilder {
 public:
  TermBuilder(MigemoDictionary& dictionary, AnswerReadings& readings, const std::string& text)
      : m_dictionary(dictionary),
        m_readings(readings),
        m_text(text),
        m_hasLetter(std::any_of(text.begin(), text.end(), IsLetter)) {}

  std::vector<SearchTerm> Build() {
    bool knowsWord = false;
    for (const std::string& reading : RomajiReadings(m_text)) {
      knowsWord = Add(reading, false) || knowsWord;
    }
    std::size_t asked = 0;
    std::size_t words = 0;
    for (const LooseReading& loose : LooseReadings(m_text)) {
      if (asked++ == kLooseQueries) {
        break;
      }
      if (loose.needsWord && words == kLooseWords) {
        continue;
      }
      const bool knows = Add(loose.text, loose.needsWord, true);
      words += loose.needsWord && knows ? 1 : 0;
      knowsWord = knows || knowsWord;
    }
    if (!knowsWord && m_text.size() >= kShortestSplitText &&
        std::all_of(m_text.begin(), m_text.end(), IsLetter)) {
      // A longer first word may be only the start of a word the dictionary knows
      // ("usbme" of USBメモリ): the next split found serves too.
      std::size_t end = m_text.size();
      for (std::size_t split = 0; split < kSplits; ++split) {
        std::optional<SearchTerm> found = Split(m_text, 3, end);
        if (!found) {
          break;
        }
        m_terms.push_back(std::move(*found));
      }
    }
    return std::move(m_terms);
  }

 private:
  // `answer` read for `use`, without its symbol words when the text holds a letter.
  std::shared_ptr<const AnswerReading> Read(AnswerReadings::Answer& answer,
                                            AnswerUse use = AnswerUse::kTyped) const {
    return answer.Read(use, m_hasLetter);
  }

  // Adds the answer for `text` unless it needs a word and knows none, without `text`
  // spelled in Latin letters when it is `loose`, and in kana too when it also needs a
  // word; answers whether it knows one.
  bool Add(const std::string& text, bool needsWord, bool loose = false) {
    AnswerReadings::Answer& answer = m_readings.Ask(m_dictionary, text);
    const bool knows = answer.KnowsWord();
    if (needsWord && !knows) {
      return false;
    }
    const AnswerUse use =
        !loose ? AnswerUse::kTyped : (needsWord ? AnswerUse::kLooseWord : AnswerUse::kLoose);
    std::shared_ptr<const AnswerReading> reading = Read(answer, use);
    if (!reading->expression.empty()) {
      m_terms.push_back(SearchTerm{{std::move(reading)}});
    }
    return knows;
  }

  // `text` as a word the dictionary knows followed by one or (`words` 3) two more, the
  // longest first word shorter than `end` first; nothing when the questions left find
  // none. `end` becomes the end of the first word found.
  std::optional<SearchTerm> Split(const std::string& text, int words, std::size_t& end) {
    for (end = std::min(end, text.size() - kShortestWord + 1) - 1; end >= kShortestWord; --end) {
      if (!StartsWord(text, end)) {
        continue;
      }
      if (m_splitQueries + 2 > kSplitQueries) {
        return std::nullopt;  // no questions left for this head and its tail
      }
      ++m_splitQueries;
      AnswerReadings::Answer& headAnswer = m_readings.Ask(m_dictionary, text.substr(0, end));
      if (!headAnswer.KnowsWord()) {
        continue;
      }
      std::shared_ptr<const AnswerReading> head = Read(headAnswer);
      const std::string tail = text.substr(end);
      ++m_splitQueries;
      AnswerReadings::Answer& tailAnswer = m_readings.Ask(m_dictionary, tail);
      SearchTerm rest{{Read(tailAnswer)}};
      if (words > 2 && tail.size() >= kShortestSplitText && !tailAnswer.KnowsWord()) {
        std::size_t tailEnd = tail.size();
        if (std::optional<SearchTerm> split = Split(tail, words - 1, tailEnd)) {
          rest = std::move(*split);
        }
      }
      const std::size_t restSize = rest.Expression().size();
      if (head->expression.empty() || restSize == 0) {
        return std::nullopt;
      }
      if (head->expression.size() * restSize > kLargestSplit) {
        continue;  // too many words start so: no mark of where one ends
      }
      rest.words.insert(rest.words.begin(), std::move(head));
      return rest;
    }
    return std::nullopt;
  }

  MigemoDictionary& m_dictionary;
  AnswerReadings& m_readings;
  const std::string& m_text;
  bool m_hasLetter;
  std::size_t m_splitQueries = 0;
  std::vector<SearchTerm> m_terms;
};

}  // namespace

std::string SearchTerm::Expression() const {
  std::string expression = words.back()->expression;
  for (std::size_t word = words.size() - 1; word-- > 0;) {
    expression = "(" + words[word]->expression + ")(" + expression + ")";
  }
  return expression;
}

std::vector<std::string> SearchExpressions(MigemoDictionary& dictionary,
                                           const std::string& searchText) {
  AnswerReadings readings;
  std::vector<std::string> expressions;
  for (const SearchTerm& term : SearchTerms(dictionary, readings, searchText)) {
    expressions.push_back(term.Expression());
  }
  return expressions;
}

std::vector<SearchTerm> SearchTerms(MigemoDictionary& dictionary, AnswerReadings& readings,
                                    const std::string& searchText) {
  if (searchText.empty()) {
    return {};
  }
  const std::string text = FoldName(searchText);
  return TermBuilder(dictionary, readings, text).Build();
}
