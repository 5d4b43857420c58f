#include "search/pattern_expansion.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "search/answer_normalization.h"

namespace {

using Literals = std::vector<std::string>;

// The literals in order, or nothing when the expansion refuses the expression.
std::optional<Literals> Expand(const std::string& expression) {
  Literals literals;
  if (!ExpandPattern(expression, literals)) {
    EXPECT_TRUE(literals.empty()) << expression;
    return std::nullopt;
  }
  return literals;
}

struct Example {
  const char* expression;
  std::optional<Literals> literals;
};

TEST(ExpandPattern, SpellsOutEveryStringTheExpressionMatches) {
  const Example examples[] = {
      {"(a|b)c", Literals{"ac", "bc"}},
      {"[ab]c", Literals{"ac", "bc"}},
      {"(か|カ|KA)", Literals{"か", "カ", "KA"}},
      {"(か[きく]|さ)", Literals{"かき", "かく", "さ"}},
      {"(x[ab]y|z)", Literals{"xay", "xby", "z"}},
      {"(ab(c|d)e|f)", Literals{"abce", "abde", "f"}},
      {"(a(b|c)|d)", Literals{"ab", "ac", "d"}},
      {"(a|b)(c|d)", Literals{"ac", "ad", "bc", "bd"}},
      {"ト(キョ|ーキョー)", Literals{"トキョ", "トーキョー"}},
      {"(株|か)", Literals{"株", "か"}},
      {"abc", Literals{"abc"}},
      {"a|b", Literals{"a", "b"}},
      {"(a|)", Literals{"a", ""}},
      {"()", Literals{""}},
      {"", Literals{""}},
      {"x?y(ab)?", Literals{"xyab", "xy", "yab", "y"}},
      {"[東京]", Literals{"東", "京"}},
      {"[]a]]", Literals{"]]", "a]"}},
      {"[a-c-]", Literals{"a", "b", "c", "-"}},
      {"[-a\\]]", Literals{"-", "a", "]"}},
      {"k\\$_{eff}\\$ \\.\\\\", Literals{"k$_{eff}$ .\\"}},
      {"a{,2}x{", Literals{"a{,2}x{"}},
      {"(\xE3|a)", Literals{"\xE3", "a"}},  // a byte that starts no character stands alone
      // Constructs that do not denote a finite set, or that the engine rejects.
      {"a.b", std::nullopt},
      {"ab*", std::nullopt},
      {"(ab)+", std::nullopt},
      {"x{2}", std::nullopt},
      {"x??", std::nullopt},
      {"^a", std::nullopt},
      {"a$", std::nullopt},
      {"\\d", std::nullopt},
      {"(?:a)", std::nullopt},
      {"[^a]", std::nullopt},
      {"[[:alpha:]]", std::nullopt},
      {"[b-a]", std::nullopt},
      {"(a|b", std::nullopt},
      {"a)", std::nullopt},
      {"[ab", std::nullopt},
      {"a\\", std::nullopt},
      {"(+a)", std::nullopt},
  };
  for (const Example& example : examples) {
    EXPECT_EQ(Expand(example.expression), example.literals) << example.expression;
  }
}

TEST(ExpandPattern, RefusesSetsLargerThanTheLimitAndAppendsOtherwise) {
  Literals literals{"kept"};
  EXPECT_FALSE(ExpandPattern("[ab][ab][ab]", literals, 20));
  EXPECT_TRUE(ExpandPattern("[ab][ab]", literals, 20));
  EXPECT_EQ(literals, (Literals{"kept", "aa", "ab", "ba", "bb"}));
  const std::string wide = "[a-z][a-z][a-z][a-z][a-z][a-z]";  // 26^6 strings
  EXPECT_FALSE(ExpandPattern(wide, literals));
  EXPECT_FALSE(ExpandPattern(std::string(10000, '(') + std::string(10000, ')'), literals));
}

struct Normalized {
  const char* answer;
  const char* expression;
};

TEST(NormalizeAnswer, FoldsLiteralCharactersAndReadsSlipsAsCharacters) {
  const Normalized examples[] = {
      {"(ｔｏｋｙｏ|TOKYO|東京)", "(tokyo|tokyo|東京)"},
      {"(（株）|(株)|Ｃ＋＋)", "(（株）|(株)|c＋＋)"},
      {"[ＡB－]x", "[ab－]x"},
      {"(ｶﾞｲﾄﾞ|ﾊﾟ)", "(ガイド|パ)"},
      {"C(++|+α|x+)", "c(\\+\\+|\\+α|x+)"},
      {"*a|?", "\\*a|\\?"},
      {"(?:A)\\d\\D\\\\LaTeX", "(?:a)\\d\\D\\\\latex"},
      {"[]A]", "[]a]"},
      {"a\\", "a\\\\"},
      {"\\（", "（"},
  };
  for (const Normalized& example : examples) {
    EXPECT_EQ(NormalizeAnswer(example.answer), example.expression) << example.answer;
  }
}

}  // namespace
