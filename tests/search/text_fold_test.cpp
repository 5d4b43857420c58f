#include "search/text_fold.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Fold {
  const char* name;
  const char* folded;
  TextEncoding encoding;
};

TEST(FoldName, FoldsCaseAndWidthAndNothingElse) {
  constexpr TextEncoding utf8 = TextEncoding::kUtf8;
  constexpr TextEncoding sjis = TextEncoding::kShiftJis;
  const Fold examples[] = {
      {"Report_V2.TXT", "report_v2.txt", utf8},
      {"ＲｅｐｏＲＴ（２）．ｄｏｃ＿９Ｚｚ", "report（2）．doc＿9zz", utf8},
      {"ﾄｳｷｮｳ ｶﾒﾗ", "トウキョウ カメラ", utf8},
      {"ｶﾞｷﾞﾊﾟﾎﾟｳﾞﾜﾞｱﾞﾞﾟ", "ガギパポヴヷア゛゛゜", utf8},
      {"｢ｰ｣､｡･ｦｧｯﾝ", "「ー」、。・ヲァッン", utf8},
      {"東京ÀΣ", "東京ÀΣ", utf8},
      {"a\xFF\xEF\xBD", "a\xFF\xEF\xBD", utf8},  // bytes that start no character
      // Shift_JIS: ｶﾞ (B6 DE) is ガ (83 4B); Ａ (82 60) is a; 0x83 0x61 (a trail "a") stays.
      {"\xB6\xDE\x82\x60\x83\x61Z",
       "\x83\x4B"
       "a\x83\x61z",
       sjis},
      {"\xDD\xA6\xDC\xDE", "\x83\x93\x83\x92\x83\x8F\x81\x4A", sjis},
  };
  for (const Fold& example : examples) {
    EXPECT_EQ(FoldName(example.name, example.encoding), example.folded) << example.name;
  }
}

}  // namespace
