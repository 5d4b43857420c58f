#include "search/pattern_expansion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Literals = std::vector<std::string>;

Literals Expand(const std::string& expression, TextEncoding encoding = TextEncoding::kUtf8) {
  Literals literals;
  ExpandPattern(expression, literals, encoding);
  return literals;
}

struct Example {
  const char* expression;
  Literals literals;
};

TEST(ExpandPattern, GivesTheLiteralsOfEachExampleInOrder) {
  const Example examples[] = {
      {"(a|b)c", {"a", "b"}},
      {"[ab]c", {"a", "b"}},
      {"(か|カ|KA)", {"か", "カ", "KA"}},
      {"(か[きく]|さ)", {"かき", "かく", "さ"}},
      {"(x[ab]y|z)", {"xa", "xb", "z"}},
      {"(ab(c|d)e|f)", {"abc", "abd", "abe", "f"}},
      {"(a(b|c)|d)", {"ab", "ac", "a", "d"}},
      {"(a|b)(c|d)", {"a", "b", "c", "d"}},
      {"abc", {}},
      {"a|b", {""}},
      {"()", {""}},
      {"", {}},
  };
  for (const Example& example : examples) {
    EXPECT_EQ(Expand(example.expression), example.literals) << example.expression;
  }
}

TEST(ExpandPattern, ExpandsUnbalancedExpressionsWithoutError) {
  // An unmatched "(" leaves its last alternative unemitted.
  EXPECT_EQ(Expand("(a|b"), (Literals{"a"}));
  EXPECT_EQ(Expand("((a|b)"), (Literals{"a", "b"}));
  // An unmatched ")" emits the empty prefix and leaves the depth negative, so groups
  // opened afterwards give prefixes only once they are back above depth 0.
  EXPECT_EQ(Expand(")"), (Literals{""}));
  EXPECT_EQ(Expand("a)(b|c)"), (Literals{"", "", ""}));
  EXPECT_EQ(Expand("))(((b|c)"), (Literals{"", "", "b", "c"}));
  // A class never closed keeps emitting, structural tokens still act inside it.
  EXPECT_EQ(Expand("(x[ab|c)"), (Literals{"xa", "xb", "c"}));
  EXPECT_EQ(Expand("]a[(b)"), (Literals{"b"}));
}

TEST(ExpandPattern, TreatsEveryOtherCharacterAsText) {
  EXPECT_EQ(Expand("(a.b\\*|+?^${1})"), (Literals{"a.b\\*", "+?^${1}"}));
  EXPECT_EQ(Expand("(\\(|x)"), (Literals{"\\", "\\x"}));
}

TEST(ExpandPattern, KeepsTextAfterAClassOutOfTheLiterals) {
  // The text after a class extends the level for a nested group, and once that group
  // has closed the next "|" emits the extended level too.
  EXPECT_EQ(Expand("(a[bc]d(e|f)|g)"), (Literals{"ab", "ac", "ade", "adf", "ad", "g"}));
}

TEST(ExpandPattern, KeepsUtf8CharactersWholeAndInvalidBytesApart) {
  EXPECT_EQ(Expand("[東京]"), (Literals{"東", "京"}));
  // A lead byte without its continuation bytes stands alone: the "|" and ")" after it
  // stay structural.
  EXPECT_EQ(Expand("(\xE3|a)"), (Literals{"\xE3", "a"}));
  EXPECT_EQ(Expand("[\xE3\x81)"), (Literals{"\xE3", "\x81"}));
  EXPECT_EQ(Expand("[\x80\xFF\xC0\xAF]"), (Literals{"\x80", "\xFF", "\xC0", "\xAF"}));
  // Overlong and surrogate forms are not characters either.
  EXPECT_EQ(Expand("[\xE0\x80\x80]"), (Literals{"\xE0", "\x80", "\x80"}));
  EXPECT_EQ(Expand("[\xED\xA0\x80]"), (Literals{"\xED", "\xA0", "\x80"}));
  EXPECT_EQ(Expand("[\xF0\x9F\x98\x80]"), (Literals{"\xF0\x9F\x98\x80"}));
}

TEST(ExpandPattern, KeepsShiftJisDoubleByteCharactersWhole) {
  // ー is 0x81 0x5B: its second byte has the value of "[" and is not taken for one.
  EXPECT_EQ(Expand("(\x81\x5B|a)", TextEncoding::kShiftJis), (Literals{"\x81\x5B", "a"}));
  // ソ (0x83 0x5C) and 表 (0x95 0x5C) carry a backslash value; 0x7C is "|".
  EXPECT_EQ(Expand("[\x83\x5C\x95\x7C]", TextEncoding::kShiftJis),
            (Literals{"\x83\x5C", "\x95\x7C"}));
  // A lead byte at the very end is a token of its own.
  EXPECT_EQ(Expand("(a[\x81", TextEncoding::kShiftJis), (Literals{"a\x81"}));
  // The same bytes read as UTF-8 split differently.
  EXPECT_EQ(Expand("(\x81\x5B|a)"), (Literals{"\x81", "a"}));
}

TEST(ExpandPattern, AppendsToWhatTheListAlreadyHolds) {
  Literals literals{"kept"};
  ExpandPattern("(a|b)", literals, TextEncoding::kUtf8);
  EXPECT_EQ(literals, (Literals{"kept", "a", "b"}));
}

}  // namespace
