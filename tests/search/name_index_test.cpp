#include "search/name_index.h"

#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "search/literal_match.h"
#include "search/random_text.h"
#include "search/text_fold.h"

namespace {

std::vector<std::string_view> Views(const std::vector<std::string>& names) {
  return {names.begin(), names.end()};
}

std::vector<std::string> Kept(const std::vector<std::string>& names, const Literals& literals) {
  const std::vector<std::string_view> views = Views(names);
  const NameIndex index(views);
  std::vector<std::string> kept;
  for (const std::size_t position : index.Search(literals).Positions()) {
    kept.push_back(names[position]);
  }
  return kept;
}

// One index serves many searches, as it does while the user types; single characters
// and literals cut from the names at any byte reach every way the index narrows a
// search (a pair, a lone character, a whole literal found without a test, and no
// narrowing at all for a literal that starts inside a character).
void ExpectSameAnswersAsTheDirectTest(unsigned seed) {
  RandomText random(seed);
  std::size_t matched = 0;
  std::size_t compared = 0;
  for (int collection = 0; collection < 20; ++collection) {
    std::vector<std::string> names(200);
    for (std::string& name : names) {
      name = random.Name();
    }
    const std::vector<std::string_view> views = Views(names);
    const NameIndex index(views);
    ASSERT_EQ(index.size(), names.size());
    for (int search = 0; search < 40; ++search) {
      Literals literals = random.LiteralsFor(names, search % 10 == 0);
      if (search % 3 == 0) {
        literals = {kPieces[random.Below(kPieces.size())]};
      }
      const NameMatches kept = index.Search(literals);
      const std::vector<std::size_t> positions = kept.Positions();
      std::size_t next = 0;
      for (std::size_t position = 0; position < names.size(); ++position) {
        const bool expected = MatchesAnyLiteral(FoldName(names[position]), literals);
        ASSERT_EQ(kept.Contains(position), expected)
            << "name " << ::testing::PrintToString(names[position]) << ", literals "
            << ::testing::PrintToString(literals);
        if (expected) {
          ASSERT_LT(next, positions.size());
          ASSERT_EQ(positions[next++], position);
        }
        matched += expected ? 1 : 0;
        ++compared;
      }
      ASSERT_EQ(next, positions.size());
    }
  }
  EXPECT_GT(matched, compared / 10);
  EXPECT_LT(matched, compared * 9 / 10);
}

TEST(NameIndex, AnswersExactlyAsTheDirectTestInUtf8) {
  ExpectSameAnswersAsTheDirectTest(7);
}

TEST(NameIndex, FindsLiteralsThroughAnyOfTheirPairsAndOnlyAtCharacterStarts) {
  const std::vector<std::string> names = {"Report.txt", "EPOCH", "PO-RE", "rePO", "XREPORT"};
  EXPECT_EQ(Kept(names, {"repo"}), (std::vector<std::string>{"Report.txt", "rePO", "XREPORT"}));
  // か is E3 81 8B and ぶ is E3 81 B6: the bytes "81 8B" are no character of their own.
  EXPECT_EQ(Kept({"か", "ぶか", "東京"}, {"\x81\x8B", "京"}), (std::vector<std::string>{"東京"}));
  EXPECT_EQ(Kept({"東京", "京都", "東"}, {"東京"}), (std::vector<std::string>{"東京"}));
  EXPECT_TRUE(Kept(names, {"REPO"}).empty());  // the literals are taken as they are
}

TEST(NameIndex, LiteralsThatEndOrStartInsideACharacterStillMatch) {
  // A literal cut inside か ("E3 81") matches wherever か starts a character, and so
  // does a cut lead byte after a whole character.
  EXPECT_EQ(Kept({"か", "ア", "\xE3", "A\xE3\x81"}, {"\xE3\x81"}),
            (std::vector<std::string>{"か", "A\xE3\x81"}));
  EXPECT_EQ(Kept({"東か", "東", "東\xE3", "京か"}, {"東\xE3"}),
            (std::vector<std::string>{"東か", "東\xE3"}));
}

TEST(NameIndex, ABackgroundBuildIndexesTheNamesAsTheyWereWhenAsked) {
  auto names = std::make_unique<std::vector<std::string>>(
      std::vector<std::string>{"Report.txt", "", "東京", "memo"});
  const std::vector<std::string> asked = *names;
  std::future<NameIndex> building = BuildNameIndexInBackground(Views(*names));
  (*names)[0] = "changed";
  names.reset();  // the names handed in are gone before the build may even start
  const NameIndex index = building.get();
  ASSERT_EQ(index.size(), asked.size());
  for (std::size_t position = 0; position < asked.size(); ++position) {
    EXPECT_EQ(index.FoldedName(position), FoldName(asked[position]));
  }
  EXPECT_EQ(index.Search(Literals{"repo"}).Positions(), (std::vector<std::size_t>{0}));
}

TEST(NameIndex, EmptyLiteralKeepsAllNoLiteralNone) {
  const std::vector<std::string> names = {"a", "", "東京"};
  EXPECT_EQ(Kept(names, {"X", ""}), names);
  EXPECT_TRUE(Kept(names, {}).empty());
  const NameIndex empty;
  EXPECT_EQ(empty.size(), 0U);
  EXPECT_TRUE(empty.Search(Literals{""}).Positions().empty());
  EXPECT_FALSE(empty.Search(Literals{""}).Contains(0));
}

}  // namespace
