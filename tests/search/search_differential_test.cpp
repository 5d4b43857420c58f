// The search against PCRE2 evaluating the same dictionary answers: for many search
// texts and a few thousand names made from the dictionary's own words, in every width
// and case, the names the search keeps are exactly those where one of the text's
// expressions (its readings, loose readings and word splits) matches somewhere in the
// folded name.
#define PCRE2_CODE_UNIT_WIDTH 8
#include <gtest/gtest.h>
#include <pcre2.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "search/migemo_dictionary.h"
#include "search/name_index.h"
#include "search/pattern_expansion.h"
#include "search/random_text.h"
#include "search/search_expressions.h"
#include "search/search_step.h"
#include "search/text_encoding.h"
#include "search/text_fold.h"

namespace {

const char kSystemDictionary[] = "/usr/share/cmigemo/utf-8/migemo-dict";

const std::vector<std::string> kSyllables = [] {
  std::vector<std::string> syllables = {"a", "i", "u", "e", "o", "nn"};
  for (const char consonant : std::string("kstnhmyrwgzdbp")) {
    for (const char vowel : std::string("aiueo")) {
      syllables.push_back(std::string(1, consonant) + vowel);
    }
  }
  for (const char* other :
       {"kya", "kyo", "sha", "shi", "shu", "sho", "tsu", "chi", "cha", "cho", "nya",
        "hyo", "fu",  "ryo", "ja",  "ji",  "ju",  "jo",  "kk",  "tt",  "ss"}) {
    syllables.emplace_back(other);
  }
  return syllables;
}();

// Every text of one to three letters that starts a run of syllables, a sample of the
// four-letter ones (all of them when VOSTEK_EVERY_TEXT is set: some minutes), and a few
// hundred longer words.
std::vector<std::string> SearchTexts() {
  std::set<std::string> shortTexts;
  std::set<std::string> fourLetters;
  for (const std::string& first : kSyllables) {
    for (const std::string& second : kSyllables) {
      for (const std::string& third : kSyllables) {
        const std::string run = first + second + third;
        for (std::size_t length = 1; length <= 3; ++length) {
          shortTexts.insert(run.substr(0, length));
        }
        fourLetters.insert(run.substr(0, 4));
      }
    }
  }
  std::vector<std::string> texts(shortTexts.begin(), shortTexts.end());
  std::mt19937 random(13);
  std::vector<std::string> four(fourLetters.begin(), fourLetters.end());
  if (std::getenv("VOSTEK_EVERY_TEXT") == nullptr) {
    std::shuffle(four.begin(), four.end(), random);
    four.resize(600);
  }
  texts.insert(texts.end(), four.begin(), four.end());
  for (int word = 0; word < 300; ++word) {
    std::string text;
    for (std::size_t count = 2 + random() % 4; count > 0; --count) {
      text += kSyllables[random() % kSyllables.size()];
    }
    texts.push_back(text);
  }
  for (const char* word :
       {"toukyou", "tokyo", "shashin", "nihon", "konnichiha", "kanai", "repo", "kabushiki", "warai",
        "latex", "tex", "ps", "c", "p", "kinnen",
        // loose readings, word splits and symbol words
        "ko-hi-", "genin", "kinyoubi", "osaka", "kyoto", "disuku", "konnichiwa", "keihiseisan",
        "todorisuto", "usbmemori", "googlekensaku", "line", "te", "ten", "maru"}) {
    texts.emplace_back(word);
  }
  return texts;
}

std::vector<std::string> DictionaryWords() {
  std::ifstream file(kSystemDictionary);
  std::vector<std::string> words;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == ';') {
      continue;
    }
    for (std::size_t start = 0; start < line.size();) {
      const std::size_t tab = std::min(line.find('\t', start), line.size());
      words.push_back(line.substr(start, tab - start));
      start = tab + 1;
    }
  }
  return words;
}

// The half-width spelling of each full-width katakana that has one, found through the
// fold itself.
std::map<std::string, std::string> HalfWidthSpellings() {
  std::map<std::string, std::string> spellings;
  for (char32_t code = 0xFF61; code <= 0xFF9F; ++code) {
    const std::string half = {'\xEF', static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
                              static_cast<char>(0x80 | (code & 0x3F))};
    for (const char* mark : {"", "\xEF\xBE\x9E", "\xEF\xBE\x9F"}) {
      const std::string folded = FoldName(half + mark);
      if (folded.size() == 3) {
        spellings.emplace(folded, half + mark);
      }
    }
  }
  return spellings;
}

// Hiragana as katakana, then as half-width katakana; ASCII as full-width; letters in
// mixed case.
std::string Respell(const std::string& word, unsigned how, std::mt19937& random) {
  static const std::map<std::string, std::string> halfWidth = HalfWidthSpellings();
  std::string out;
  for (std::size_t position = 0; position < word.size();) {
    const std::size_t length = CharacterLength(word, position);
    std::string character = word.substr(position, length);
    position += length;
    const auto byte = static_cast<unsigned char>(character[0]);
    if (length == 1 && byte > 0x20 && byte < 0x7F) {
      if (std::isalpha(byte) != 0 && random() % 2 == 0) {
        character[0] = static_cast<char>(byte ^ 0x20);
      }
      if (how == 2) {  // full-width: U+FF01 + (byte - '!')
        const char32_t code = 0xFF01 + (character[0] - '!');
        character = {'\xEF', static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
                     static_cast<char>(0x80 | (code & 0x3F))};
      }
    } else if (length == 3 && how >= 1 && character >= "ぁ" && character <= "ゖ") {
      const char32_t code =
          (((character[0] & 0x0F) << 12) | ((character[1] & 0x3F) << 6) | (character[2] & 0x3F)) +
          0x60;  // the katakana of the same sound
      character = {static_cast<char>(0xE0 | (code >> 12)),
                   static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
                   static_cast<char>(0x80 | (code & 0x3F))};
      if (how == 2 && halfWidth.count(character) != 0) {
        character = halfWidth.at(character);
      }
    }
    out += character;
  }
  return out;
}

std::vector<std::string> Names(std::size_t count) {
  const std::vector<std::string> words = DictionaryWords();
  std::mt19937 random(20261207);
  const char* const extensions[] = {".txt", ".PDF", ".jpg", "", "", "_2026"};
  RandomText noise(7);
  std::vector<std::string> names;
  while (names.size() < count) {
    std::string name = Respell(words[random() % words.size()], random() % 3, random);
    if (random() % 4 == 0) {
      name += Respell(words[random() % words.size()], random() % 3, random);
    }
    if (random() % 8 == 0) {
      name += noise.Name();
    }
    names.push_back(name + extensions[random() % std::size(extensions)]);
  }
  return names;
}

class Pcre2 {
 public:
  explicit Pcre2(const std::string& expression) {
    int error = 0;
    PCRE2_SIZE offset = 0;
    m_code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(expression.data()), expression.size(),
                           PCRE2_UTF | PCRE2_MATCH_INVALID_UTF, &error, &offset, nullptr);
    if (m_code != nullptr) {
      pcre2_jit_compile(m_code, PCRE2_JIT_COMPLETE);
      m_match = pcre2_match_data_create(1, nullptr);
    }
  }
  ~Pcre2() {
    pcre2_match_data_free(m_match);
    pcre2_code_free(m_code);
  }
  Pcre2(const Pcre2&) = delete;
  Pcre2& operator=(const Pcre2&) = delete;

  bool Compiled() const { return m_code != nullptr; }
  bool Matches(std::string_view subject) const {
    return m_code != nullptr && pcre2_match(m_code, reinterpret_cast<PCRE2_SPTR>(subject.data()),
                                            subject.size(), 0, 0, m_match, nullptr) >= 0;
  }

 private:
  pcre2_code* m_code = nullptr;
  pcre2_match_data* m_match = nullptr;
};

std::string Upper(std::string text) {
  for (char& letter : text) {
    letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  }
  return text;
}

TEST(SearchAgainstPcre2, KeepsExactlyTheNamesTheAnswersMatch) {
  if (!std::filesystem::exists(kSystemDictionary)) {
    GTEST_SKIP() << "no dictionary at " << kSystemDictionary;
  }
  MigemoDictionary dictionary;
  dictionary.Open({kSystemDictionary});
  const std::vector<std::string> names = Names(2500);
  const std::vector<std::string_view> views(names.begin(), names.end());
  const NameIndex index(views);
  std::vector<std::string> folded;
  for (const std::string& name : names) {
    folded.push_back(FoldName(name));
  }

  std::size_t answers = 0;
  std::size_t refused = 0;
  std::size_t kept = 0;
  std::size_t compared = 0;
  const std::vector<std::string> texts = SearchTexts();
  for (const std::string& text : texts) {
    std::vector<std::unique_ptr<Pcre2>> oracles;
    for (const std::string& expression : SearchExpressions(dictionary, Upper(text))) {
      oracles.push_back(std::make_unique<Pcre2>(expression));
      ASSERT_TRUE(oracles.back()->Compiled()) << text << ": " << expression;
      std::vector<std::string> literals;
      ++answers;
      refused += ExpandPattern(expression, literals) ? 0 : 1;
    }
    const NameMatches matches = SearchIndexedNames(dictionary, Upper(text), index);
    for (std::size_t position = 0; position < names.size(); ++position) {
      const bool expected = std::any_of(oracles.begin(), oracles.end(), [&](const auto& oracle) {
        return oracle->Matches(folded[position]);
      });
      ASSERT_EQ(matches.Contains(position), expected)
          << "text " << text << ", name " << names[position];
      kept += expected ? 1 : 0;
    }
    compared += names.size();
  }
  // Nearly every answer is spelled out (the rest goes to PCRE2), and the texts keep
  // neither almost everything nor almost nothing.
  EXPECT_LT(refused * 100, answers) << refused << " of " << answers;
  EXPECT_GT(kept, compared / 200);
  EXPECT_LT(kept, compared / 2);
}

}  // namespace
