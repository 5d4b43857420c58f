#include "search/answer_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/romaji_readings.h"

namespace {

struct Dropped {
  const char* expression;
  const char* words;
};

TEST(DropSymbolWords, LeavesOutTopLevelWordsOfSymbolsAloneAndLatinSpellingsWhenAsked) {
  const Dropped examples[] = {
      {"([‾＿]|ィネ|line)", "(ィネ|line)"},
      {"([瑛、晃，・Т]|光男|\\.|て)", "([瑛晃Т]|光男|て)"},
      {"(c\\+\\+|＋|ＵＳＢ・メモリ|リ(ヌ|＿))", "(c\\+\\+|ＵＳＢ・メモリ|リ(ヌ|＿))"},
      {"(a|)|、", "(a|)"},  // no enclosing group: the top level is the whole
      {"、|。|a", "a"},
      {"(、|。)", ""},
      {"([^、]|[、-。]|x)", "([^、]|[、-。]|x)"},  // classes left as they are
      {"(あ|(い|う))", "(あ|(い|う))"},
      {"(a)(、)", "(a)(、)"},  // two groups: the top level is the whole
  };
  for (const Dropped& example : examples) {
    EXPECT_EQ(DropSymbolWords(example.expression), example.words) << example.expression;
  }
  // The Latin spelling of a loose reading goes; Latin words of the dictionary stay.
  EXPECT_EQ(DropLatinSpellings("(減員|げんい[んの]|gennin|gennin)"), "(減員|げんい[んの])");
  EXPECT_EQ(DropLatinSpellings("(ｕ[ぼべ]|usb(ハブ|バス)|usb|ko-hi-)"),
            "(ｕ[ぼべ]|usb(ハブ|バス))");
  // So do the kana spellings of a reading that was asked only for its words.
  EXPECT_EQ(DropKanaSpellings("(キョウト|京[都徳]|きょう[とど]|スーパー|ちゃん付け)"),
            "(京[都徳]|スーパー|ちゃん付け)");
}

TEST(HoldsDictionaryWord, KanjiCapitalsOrMoreThanTheSpellings) {
  EXPECT_TRUE(HoldsDictionaryWord("(ケイヒ|経費|けいひ|ｋｅｉｈｉ|keihi)"));
  EXPECT_TRUE(HoldsDictionaryWord("(ウs[ぼべ]|ｕｓｂ|USB(ハブ|メモリ)|usb)"));
  EXPECT_TRUE(HoldsDictionaryWord("(ゴオgェ|ごおgぇ|ｇｏｏｇｌｅ|グーグル|google)"));
  EXPECT_FALSE(HoldsDictionaryWord("(トドリスト|とどりすと|ｔｏｄｏｒｉｓｕｔｏ|todorisuto)"));
  EXPECT_FALSE(HoldsDictionaryWord("(セイサ[ンノ]|せいさ[んの]|ｓｅｉｓａｎ|seisan)"));
  EXPECT_FALSE(HoldsDictionaryWord(""));
}

struct Loose {
  const char* text;
  std::vector<std::string> readings;  // those needing a word marked with a leading "+"
};

TEST(LooseReadings, ReadWhatTypistsLeaveOutTextAsTypedNeverAmongThem) {
  const Loose examples[] = {
      {"kyo", {}},  // too short
      {"disuku", {"dhisuku", "+disuukuu", "+disuuku", "+disukuu"}},
      {"konnichiwa", {"konnichiha", "konnnichiha", "+kounnichiwa", "+koonnichiwa"}},
      {"kawa", {}},  // a final wa after too short a word
      {"genin", {"+gennin"}},
      {"kinyoubi", {"+kinnyoubi"}},
      {"tokyo", {"+toukyou", "+toukyo", "+tookyo", "+tokyou", "+tokyoo"}},
      {"osaka", {"+ousaka", "+oosaka"}},
      {"toukyou", {}},
      {"ryoshusho",
       {"+ryoushuushou", "+ryoushuusho", "+ryoushusho", "+ryooshusho", "+ryoshuusho", "+ryoshushou",
        "+ryoshushoo"}},
      {"dudo", {"dhudo", "+duudou", "+duudo", "+dudou", "+dudoo"}},
  };
  for (const Loose& example : examples) {
    std::vector<std::string> readings;
    for (const LooseReading& reading : LooseReadings(example.text)) {
      readings.push_back((reading.needsWord ? "+" : "") + reading.text);
    }
    EXPECT_EQ(readings, example.readings) << example.text;
  }
}

}  // namespace
