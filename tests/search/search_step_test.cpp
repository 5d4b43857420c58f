#include "search/search_step.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "search/literal_match.h"
#include "search/migemo_dictionary.h"
#include "search/name_index.h"
#include "search/pattern_expansion.h"

namespace {

const char kSystemDictionary[] = "/usr/share/cmigemo/utf-8/migemo-dict";

// Through the index, as the list refresh searches.
std::vector<std::string> Kept(MigemoDictionary& dictionary, const std::string& text,
                              const std::vector<std::string_view>& names) {
  const NameIndex index(names);
  std::vector<std::string> kept;
  for (const std::size_t position : SearchIndexedNames(dictionary, text, index).Positions()) {
    kept.emplace_back(names[position]);
  }
  return kept;
}

// Loading the real dictionary takes a while: one handle serves the whole suite.
class RealDictionary : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!std::filesystem::exists(kSystemDictionary)) {
      return;
    }
    s_dictionary = new MigemoDictionary;
    s_dictionary->Open({kSystemDictionary});
  }
  static void TearDownTestSuite() {
    delete s_dictionary;
    s_dictionary = nullptr;
  }
  void SetUp() override {
    if (s_dictionary == nullptr) {
      GTEST_SKIP() << "no dictionary at " << kSystemDictionary;
    }
  }
  MigemoDictionary& Dictionary() { return *s_dictionary; }

  static MigemoDictionary* s_dictionary;
};

MigemoDictionary* RealDictionary::s_dictionary = nullptr;

const std::vector<std::string_view> kNames = {
    "東京.txt", "とうきょう", "Report.txt", "カメラ", "レポート.doc", "新宿.txt", "しんぶん",
};

TEST_F(RealDictionary, KeepsTheNamesTheRomajiSpells) {
  EXPECT_EQ(Kept(Dictionary(), "TOUKYOU", kNames),
            (std::vector<std::string>{"東京.txt", "とうきょう"}));
  EXPECT_EQ(Kept(Dictionary(), "REPO", kNames),
            (std::vector<std::string>{"Report.txt", "レポート.doc"}));
  const std::vector<std::string> shinn = Kept(Dictionary(), "SHINN", kNames);
  EXPECT_NE(std::find(shinn.begin(), shinn.end(), "新宿.txt"), shinn.end());
  EXPECT_NE(std::find(shinn.begin(), shinn.end(), "しんぶん"), shinn.end());
  EXPECT_EQ(std::find(shinn.begin(), shinn.end(), "Report.txt"), shinn.end());
}

TEST_F(RealDictionary, KeepsEveryNameWhenTheAnswerYieldsTheEmptyLiteral) {
  std::vector<std::string> literals;
  ExpandPattern(Dictionary().Query("KA"), literals);
  ASSERT_NE(std::find(literals.begin(), literals.end(), ""), literals.end());
  EXPECT_EQ(Kept(Dictionary(), "KA", kNames).size(), kNames.size());
}

TEST_F(RealDictionary, AgreesWithTheDirectTestForEveryName) {
  for (const std::string text : {"K", "KAN", "SHINN", "TOUKYOU", "REPO", "DO", "X1"}) {
    std::vector<std::string> literals;
    ExpandPattern(Dictionary().Query(text), literals);
    std::vector<std::string> expected;
    for (const std::string_view name : kNames) {
      if (MatchesAnyLiteral(UpperCaseName(name, kNativeTextEncoding), literals)) {
        expected.emplace_back(name);
      }
    }
    EXPECT_EQ(Kept(Dictionary(), text, kNames), expected) << text;
  }
}

TEST_F(RealDictionary, IndexedSearchKeepsWhatTheSearchOverTheNamesKeeps) {
  std::vector<std::string_view> names = kNames;
  names.insert(names.end(), {"かんじ", "漢字.txt", "KANSAI", "しんじゅく", "レポ", "東"});
  const NameIndex index(names);
  for (const std::string text : {"", "K", "KA", "KAN", "SHINN", "TOUKYOU", "REPO", "DO", "X1"}) {
    EXPECT_EQ(SearchIndexedNames(Dictionary(), text, index).Positions(),
              SearchNames(Dictionary(), text, names))
        << text;
  }
}

TEST_F(RealDictionary, RemembersAnswersWithoutChangingThem) {
  MigemoDictionary fresh;
  fresh.OpenInBackground({kSystemDictionary});  // its first query waits for it
  const std::string first = Dictionary().Query("TOUKYOU");
  // Push it out of the cache and ask again, then ask while it is remembered.
  for (std::size_t count = 0; count <= MigemoDictionary::kRememberedAnswers; ++count) {
    Dictionary().Query("T" + std::to_string(count));
  }
  EXPECT_EQ(Dictionary().Query("TOUKYOU"), first);
  EXPECT_EQ(Dictionary().Query("TOUKYOU"), first);
  EXPECT_EQ(fresh.Query("TOUKYOU"), first);
  EXPECT_NE(first.find("東"), std::string::npos);
  // Different texts keep their own answers side by side.
  EXPECT_EQ(Dictionary().Query("REPO"), fresh.Query("REPO"));
  EXPECT_NE(Dictionary().Query("REPO"), first);
}

TEST(SearchNames, EmptySearchTextKeepsEveryNameInOrder) {
  MigemoDictionary closed;
  EXPECT_EQ(SearchNames(closed, "", kNames), (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6}));
}

TEST(SearchStep, NoDictionaryKeepsNothingAndDoesNotFail) {
  const std::string missing = ::testing::TempDir() + "/no-such-folder/migemo-dict";
  MigemoDictionary dictionary;
  dictionary.Open({missing, missing + "2"});
  EXPECT_TRUE(Kept(dictionary, "TOUKYOU", kNames).empty());
  EXPECT_TRUE(Kept(dictionary, "KA", kNames).empty());
  dictionary.Close();
  EXPECT_TRUE(Kept(dictionary, "KA", kNames).empty());
  EXPECT_EQ(dictionary.Query("KA"), "");

  MigemoDictionary never;
  never.Open({});
  EXPECT_TRUE(Kept(never, "KA", kNames).empty());
}

TEST(MigemoDictionary, FallsBackToTheNextFileThatLoads) {
  if (!std::filesystem::exists(kSystemDictionary)) {
    GTEST_SKIP() << "no dictionary at " << kSystemDictionary;
  }
  MigemoDictionary dictionary;
  dictionary.Open({::testing::TempDir() + "/missing/migemo-dict", kSystemDictionary});
  EXPECT_NE(dictionary.Query("TOUKYOU").find("東"), std::string::npos);
}

}  // namespace
