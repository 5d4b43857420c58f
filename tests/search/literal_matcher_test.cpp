#include "search/literal_matcher.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "search/literal_match.h"

namespace {

using Literals = std::vector<std::string>;

// Pieces names and literals are made of: ASCII of both cases, kana, kanji, full-width
// letters, and bytes that are not characters in one or both encodings (lone lead and
// continuation bytes, Shift_JIS pairs whose second byte looks like ASCII).
const std::vector<std::string> kPieces = {
    "A",        "K",    "a",    "k",        "r",        "E",        ".",        "[",       "|",
    "0",        " ",    "か",   "カ",       "と",       "う",       "き",       "ょ",      "東",
    "京",       "新",   "宿",   "Ｋ",       "ー",       "\x80",     "\x81",     "\x8B",    "\xE3",
    "\xE3\x81", "\xFF", "\xC3", "\xF0\x9F", "\x81\x5B", "\x83\x61", "\x82\xA0", "\x95\x5C"};

class Generator {
 public:
  explicit Generator(unsigned seed) : m_random(seed) {}

  std::size_t Below(std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(m_random);
  }

  std::string Name() {
    std::string name;
    for (std::size_t count = Below(8); count > 0; --count) {
      name += kPieces[Below(kPieces.size())];
    }
    return name;
  }

  // Literals cut from the names at any byte (so some start inside a character),
  // literals that extend or trim earlier ones, fresh ones, and sometimes the empty one.
  Literals LiteralsFor(const std::vector<std::string>& names, bool withEmpty) {
    Literals literals;
    for (std::size_t count = 1 + Below(12); count > 0; --count) {
      switch (Below(4)) {
        case 0: {
          const std::string& name = names[Below(names.size())];
          if (name.empty()) {
            break;
          }
          const std::size_t start = Below(name.size());
          literals.push_back(name.substr(start, 1 + Below(name.size() - start)));
          break;
        }
        case 1:
          if (!literals.empty()) {
            const std::string earlier = literals[Below(literals.size())];
            literals.push_back(earlier + kPieces[Below(kPieces.size())]);
            if (earlier.size() > 1) {
              literals.push_back(earlier.substr(Below(earlier.size())));
              literals.push_back(earlier.substr(0, 1 + Below(earlier.size() - 1)));
            }
          }
          break;
        default:
          literals.push_back(kPieces[Below(kPieces.size())] +
                             (Below(2) == 0 ? kPieces[Below(kPieces.size())] : ""));
          break;
      }
    }
    literals.erase(std::remove(literals.begin(), literals.end(), ""), literals.end());
    if (withEmpty) {
      literals.insert(literals.begin() + static_cast<std::ptrdiff_t>(Below(literals.size() + 1)),
                      "");
    }
    return literals;
  }

 private:
  std::mt19937 m_random;
};

void ExpectSameAnswersAsTheDirectTest(TextEncoding encoding, unsigned seed) {
  Generator generator(seed);
  std::size_t matched = 0;
  std::size_t compared = 0;
  for (int round = 0; round < 400; ++round) {
    std::vector<std::string> names(40);
    for (std::string& name : names) {
      name = generator.Name();
    }
    const Literals literals = generator.LiteralsFor(names, round % 10 == 0);
    const LiteralMatcher matcher(literals, encoding);
    for (const std::string& name : names) {
      const bool expected = MatchesAnyLiteral(UpperCaseName(name, encoding), literals, encoding);
      ASSERT_EQ(matcher.Matches(name), expected)
          << "round " << round << ", name " << ::testing::PrintToString(name) << ", literals "
          << ::testing::PrintToString(literals);
      matched += expected ? 1 : 0;
      ++compared;
    }
  }
  // Both outcomes must be well represented, or the comparison proves little.
  EXPECT_GT(matched, compared / 5);
  EXPECT_LT(matched, compared * 4 / 5);
}

TEST(LiteralMatcher, AnswersExactlyAsTheDirectTestInUtf8) {
  ExpectSameAnswersAsTheDirectTest(TextEncoding::kUtf8, 20261207);
}

TEST(LiteralMatcher, AnswersExactlyAsTheDirectTestInShiftJis) {
  ExpectSameAnswersAsTheDirectTest(TextEncoding::kShiftJis, 932);
}

TEST(LiteralMatcher, ComparesTheNameUpperCasedAndTheLiteralsAsGiven) {
  const LiteralMatcher matcher(Literals{"REPO", "camera"}, TextEncoding::kUtf8);
  EXPECT_TRUE(matcher.Matches("report.txt"));
  EXPECT_FALSE(matcher.Matches("camera.png"));
  EXPECT_FALSE(matcher.Matches("CAMERA.PNG"));
}

TEST(LiteralMatcher, KnowsWhenEveryOrNoNameMatches) {
  const LiteralMatcher everything(Literals{"東京", "", "X"});
  EXPECT_TRUE(everything.MatchesEverything());
  EXPECT_TRUE(everything.Matches(""));
  const LiteralMatcher nothing(Literals{});
  EXPECT_TRUE(nothing.MatchesNothing());
  EXPECT_FALSE(nothing.Matches("東京"));
  // Lower-case letters never survive the upper-casing of a UTF-8 name.
  EXPECT_TRUE(LiteralMatcher(Literals{"abc", "xか"}, TextEncoding::kUtf8).MatchesNothing());
  EXPECT_FALSE(LiteralMatcher(Literals{"abc"}, TextEncoding::kShiftJis).MatchesNothing());
}

TEST(LiteralMatcher, FindsLiteralsThatOverlapOrNestInOneAnother) {
  const LiteralMatcher matcher(Literals{"とうきょうと", "きょうと", "うき", "XYZ"});
  EXPECT_TRUE(matcher.Matches("とうきょ"));      // through the shorter "うき"
  EXPECT_TRUE(matcher.Matches("にしきょうと"));  // the longest fails, a suffix holds
  EXPECT_TRUE(matcher.Matches("xxyz"));          // restart after a partial "XX"
  EXPECT_TRUE(matcher.Matches("とうきょうド"));  // "うき" inside
  EXPECT_FALSE(matcher.Matches("きょうド"));
}

}  // namespace
