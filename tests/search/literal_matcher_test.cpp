#include "search/literal_matcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/literal_match.h"
#include "search/random_text.h"

namespace {

void ExpectSameAnswersAsTheDirectTest(unsigned seed) {
  RandomText generator(seed);
  std::size_t matched = 0;
  std::size_t compared = 0;
  for (int round = 0; round < 400; ++round) {
    std::vector<std::string> names(40);
    for (std::string& name : names) {
      name = generator.Name();
    }
    const Literals literals = generator.LiteralsFor(names, round % 10 == 0);
    const LiteralMatcher matcher(literals);
    for (const std::string& name : names) {
      const bool expected = MatchesAnyLiteral(name, literals);
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
  ExpectSameAnswersAsTheDirectTest(20261207);
}

TEST(LiteralMatcher, KnowsWhenEveryOrNoNameMatches) {
  const LiteralMatcher everything(Literals{"東京", "", "X"});
  EXPECT_TRUE(everything.MatchesEverything());
  EXPECT_TRUE(everything.Matches(""));
  const LiteralMatcher nothing(Literals{});
  EXPECT_TRUE(nothing.MatchesNothing());
  EXPECT_FALSE(nothing.Matches("東京"));
}

TEST(LiteralMatcher, FindsLiteralsThatOverlapOrNestInOneAnother) {
  const LiteralMatcher matcher(Literals{"とうきょうと", "きょうと", "うき", "xyz"});
  EXPECT_TRUE(matcher.Matches("とうきょ"));      // through the shorter "うき"
  EXPECT_TRUE(matcher.Matches("にしきょうと"));  // the longest fails, a suffix holds
  EXPECT_TRUE(matcher.Matches("xxyz"));          // restart after a partial "XX"
  EXPECT_TRUE(matcher.Matches("とうきょうド"));  // "うき" inside
  EXPECT_FALSE(matcher.Matches("きょうド"));
}

}  // namespace
