#include "search/literal_match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/text_encoding.h"

namespace {

using Literals = std::vector<std::string>;

bool Matches(const std::string& upperName, const Literals& literals,
             TextEncoding encoding = TextEncoding::kUtf8) {
  return MatchesAnyLiteral(upperName, literals, encoding);
}

TEST(MatchesAnyLiteral, FindsAnyLiteralAnywhereInTheName) {
  EXPECT_TRUE(Matches("東京.TXT", {"とうきょう", "東京"}));
  EXPECT_TRUE(Matches("REPORT.TXT", {"れぽ", "REPO"}));
  EXPECT_TRUE(Matches("MY REPORT", {"REPO"}));
  EXPECT_FALSE(Matches("カメラ", {"東京", "とうきょう", "TOUKYOU"}));
}

TEST(MatchesAnyLiteral, TheEmptyLiteralKeepsEveryNameAndNoLiteralKeepsNone) {
  EXPECT_TRUE(Matches("", {""}));
  EXPECT_TRUE(Matches("カメラ", {"東京", ""}));
  EXPECT_FALSE(Matches("カメラ", {}));
  EXPECT_FALSE(Matches("", {}));
  EXPECT_FALSE(Matches("", {"A"}));
}

TEST(MatchesAnyLiteral, TakesLiteralsAsTheyAreAgainstTheUpperCasedName) {
  EXPECT_FALSE(Matches("REPORT.TXT", {"repo", "Repo"}));
  EXPECT_TRUE(Matches("REPORT.TXT", {"repo", ".TXT"}));
}

TEST(MatchesAnyLiteral, NeverStartsAMatchInsideAUtf8Character) {
  // か is E3 81 8B: its tail bytes alone do not occur in it as characters.
  EXPECT_FALSE(Matches("か", {"\x81\x8B", "\x8B"}));
  EXPECT_TRUE(Matches("か", {"\xE3\x81"}));  // starts on the boundary
  // The same bytes standing alone (no lead byte before them) are characters.
  EXPECT_TRUE(Matches("A\x81\x8B", {"\x81\x8B"}));
  // An occurrence inside a character does not hide a later one on a boundary.
  EXPECT_TRUE(Matches("か\x8B", {"\x8B"}));
}

TEST(MatchesAnyLiteral, NeverStartsAMatchInsideAShiftJisCharacter) {
  const TextEncoding sjis = TextEncoding::kShiftJis;
  // ー is 0x81 0x5B; its second byte is "[" and is not one inside the character.
  EXPECT_FALSE(Matches("\x81\x5B", {"["}, sjis));
  EXPECT_TRUE(Matches("\x81\x5B[", {"["}, sjis));
  EXPECT_TRUE(Matches("A\x81\x5B", {"\x81\x5B"}, sjis));
  // 0x81 0x81 0x5B is 〃 followed by "[": the second 0x81 is a trail byte.
  EXPECT_FALSE(Matches("\x81\x81\x5B", {"\x81\x5B"}, sjis));
  EXPECT_TRUE(Matches("\x81\x81\x5B", {"["}, sjis));
}

TEST(UpperCaseName, CapitalisesLatinLettersOnly) {
  EXPECT_EQ(UpperCaseName("Report_v2.txt", TextEncoding::kUtf8), "REPORT_V2.TXT");
  EXPECT_EQ(UpperCaseName("東京ｒｅｐｏ.doc", TextEncoding::kUtf8), "東京ｒｅｐｏ.DOC");
  EXPECT_EQ(UpperCaseName("a\xFF\xE3z", TextEncoding::kUtf8), "A\xFF\xE3Z");
}

TEST(UpperCaseName, LeavesShiftJisTrailBytesAlone) {
  // 0x83 0x61 is a katakana whose second byte has the value of "a".
  EXPECT_EQ(UpperCaseName("\x83\x61"
                          "a",
                          TextEncoding::kShiftJis),
            "\x83\x61"
            "A");
  EXPECT_EQ(UpperCaseName("b\x81", TextEncoding::kShiftJis), "B\x81");
}

}  // namespace
