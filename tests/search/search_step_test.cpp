#include "search/search_step.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "search/answer_readings.h"
#include "search/migemo_dictionary.h"
#include "search/name_index.h"

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
    "東京.txt",  "とうきょう", "Report.txt", "カメラ",        "レポート.doc", "新宿.txt",
    "しんぶん",  "写真.jpg",   "日本.txt",   "こんにちは",    "かない.txt",   "かんい.txt",
    "ﾄｳｷｮｳ.txt", "ｶﾒﾗ.png",    "ｶﾞｲﾄﾞ.pdf",  "ＲＥＰＯＲＴ",  "株価.xlsx",    "(株)山田",
    "photo.JPG", "xyz",        "原因.txt",   "経費精算.xlsx", "ToDoリスト",   "LINE",
    "a_b.txt",   "ディスク",   "ｺｰﾋｰ",       "memo(1).txt",
};

struct Case {
  const char* text;
  std::vector<std::string> kept;
};

TEST_F(RealDictionary, KeepsTheNamesAJapaneseUserMeans) {
  const Case cases[] = {
      // No stray matches: ト(キョ|ーキョー) spells トキョ and トーキョー, never ト alone.
      {"TOKYO", {"東京.txt"}},
      {"TOUKYOU", {"東京.txt", "とうきょう", "ﾄｳｷｮｳ.txt"}},
      // Only the names holding one of the spellings of "ka" (日 is one); "(株)" is the
      // group 株.
      {"KA",
       {"カメラ", "日本.txt", "かない.txt", "かんい.txt", "ｶﾒﾗ.png", "株価.xlsx", "(株)山田"}},
      {"KABU", {"株価.xlsx", "(株)山田"}},
      // Letters of any case and width.
      {"REPO", {"Report.txt", "レポート.doc", "ＲＥＰＯＲＴ"}},
      {"PHOTO", {"photo.JPG"}},
      // The n typists mean.
      {"SHASHIN", {"写真.jpg"}},
      {"NIHON", {"日本.txt"}},
      {"KONNICHIHA", {"こんにちは"}},
      {"KANAI", {"かない.txt"}},
      {"KANN", {"かんい.txt"}},
      // Half-width katakana, voiced marks joined.
      {"KAMERA", {"カメラ", "ｶﾒﾗ.png"}},
      {"GAIDO", {"ｶﾞｲﾄﾞ.pdf"}},
      {"XYZ", {"xyz"}},
      // "-" is ー; long vowels, n and di as typists leave them out.
      {"KO-HI-", {"ｺｰﾋｰ"}},
      {"GENIN", {"原因.txt"}},
      {"DISUKU", {"ディスク"}},
      // Compounds the dictionary knows only word by word.
      {"KEIHISEISAN", {"経費精算.xlsx"}},
      {"TODORISUTO", {"ToDoリスト"}},
      // Symbols match only themselves, and words of symbols alone count for nothing.
      {"LINE", {"LINE"}},
      {"KAKKO", {}},
  };
  for (const Case& example : cases) {
    EXPECT_EQ(Kept(Dictionary(), example.text, kNames), example.kept) << example.text;
  }
}

TEST_F(RealDictionary, IndexedSearchKeepsWhatTheSearchOverTheNamesKeeps) {
  for (const std::string text : {"", "K", "KA", "KAN", "SHINN", "TOUKYOU", "REPO", "C", "X1"}) {
    const NameIndex index(kNames);
    EXPECT_EQ(SearchIndexedNames(Dictionary(), text, index).Positions(),
              SearchNames(Dictionary(), text, kNames))
        << text;
  }
}

// A view keeps the readings of the answers between its searches: whatever came before, a
// search keeps what the search over the names, reading every answer afresh and spelling
// out the words of a split together, keeps. Before it: keys typed one by one, a word
// taken back and typed again across the split of a compound, more texts in all than are
// kept, and a dictionary that answers otherwise (one never opened answers nothing).
TEST_F(RealDictionary, SearchThroughKeptReadingsKeepsWhatAFreshSearchKeeps) {
  const NameIndex index(kNames);
  AnswerReadings readings;
  MigemoDictionary unopened;
  struct Step {
    MigemoDictionary* dictionary;
    const char* typed;  // searched key by key
  };
  const Step steps[] = {
      {&Dictionary(), "KEIHISEISAN"}, {&Dictionary(), "KEIHI"},
      {&Dictionary(), "KEIHISEISAN"}, {&Dictionary(), "TODORISUTO"},
      {&Dictionary(), "TODO"},        {&Dictionary(), "TODORI"},
      {&Dictionary(), "USBMEMORI"},   {&Dictionary(), "USB"},
      {&Dictionary(), "USBMEMORI"},   {&Dictionary(), "GENIN"},
      {&Dictionary(), "KO-HI-"},      {&Dictionary(), "DISUKU"},
      {&unopened, "KEIHISEISAN"},     {&Dictionary(), "KEIHISEISAN"},
      {&Dictionary(), "KYOTO"},
  };
  for (const Step& step : steps) {
    const std::string typed = step.typed;
    for (std::size_t length = 1; length <= typed.size(); ++length) {
      const std::string text = typed.substr(0, length);
      EXPECT_EQ(SearchIndexedNames(*step.dictionary, readings, text, index).Positions(),
                SearchNames(*step.dictionary, text, kNames))
          << text;
    }
  }
}

TEST_F(RealDictionary, RemembersAnswersWithoutChangingThem) {
  MigemoDictionary fresh;
  // Its first query waits for the opening, and stops the asking ahead.
  fresh.OpenInBackground({kSystemDictionary}, SingleLetterDictionaryTexts());
  const std::string first = Dictionary().Query("TOUKYOU");
  // Push it out of the cache and ask again, then ask while it is remembered.
  for (std::size_t count = 0; count <= MigemoDictionary::kRememberedAnswers; ++count) {
    Dictionary().Query("T" + std::to_string(count));
  }
  EXPECT_EQ(Dictionary().Query("TOUKYOU"), first);
  EXPECT_EQ(Dictionary().Query("TOUKYOU"), first);
  EXPECT_EQ(fresh.Query("TOUKYOU"), first);
  EXPECT_NE(first.find("東"), std::string::npos);
  // Answers asked for ahead are the dictionary's own.
  for (const std::string text : {"k", "n", "nn", "z"}) {
    EXPECT_EQ(fresh.Query(text), Dictionary().Query(text)) << text;
  }
  // Different texts keep their own answers side by side.
  EXPECT_EQ(Dictionary().Query("REPO"), fresh.Query("REPO"));
  EXPECT_NE(Dictionary().Query("REPO"), first);
}

TEST(SearchNames, EmptySearchTextKeepsEveryNameInOrder) {
  MigemoDictionary closed;
  EXPECT_EQ(SearchNames(closed, "", kNames).size(), kNames.size());
  EXPECT_EQ(SearchNames(closed, "", kNames).back(), kNames.size() - 1);
}

TEST(SearchStep, WithoutDictionaryWordsTheTextMatchesItselfAndAClosedOneNothing) {
  const std::string missing = ::testing::TempDir() + "/no-such-folder/migemo-dict";
  MigemoDictionary dictionary;
  dictionary.Open({missing, missing + "2"});
  // The library, without words, answers the text itself.
  EXPECT_TRUE(Kept(dictionary, "TOUKYOU", kNames).empty());
  EXPECT_EQ(Kept(dictionary, "REPO", kNames),
            (std::vector<std::string>{"Report.txt", "ＲＥＰＯＲＴ"}));
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
