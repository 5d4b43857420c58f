#include "search/literal_match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Literals = std::vector<std::string>;

bool Matches(const std::string& name, const Literals& literals) {
  return MatchesAnyLiteral(name, literals);
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

TEST(MatchesAnyLiteral, ComparesByteForByte) {
  EXPECT_FALSE(Matches("report.txt", {"REPO", "Repo"}));
  EXPECT_TRUE(Matches("report.txt", {"REPO", ".txt"}));
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

}  // namespace
