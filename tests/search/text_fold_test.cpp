#include "search/text_fold.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Fold {
  const char* name;
  const char* folded;
};

TEST(FoldName, FoldsCaseAndWidthAndNothingElse) {
  const Fold examples[] = {
      {"Report_V2.TXT", "report_v2.txt"},
      {"ＲｅｐｏＲＴ（２）．ｄｏｃ＿９Ｚｚ", "report（2）．doc＿9zz"},
      {"ﾄｳｷｮｳ ｶﾒﾗ", "トウキョウ カメラ"},
      {"ｶﾞｷﾞﾊﾟﾎﾟｳﾞﾜﾞｱﾞﾞﾟ", "ガギパポヴヷア゛゛゜"},
      {"｢ｰ｣､｡･ｦｧｯﾝ", "「ー」、。・ヲァッン"},
      {"東京ÀΣ", "東京ÀΣ"},
      {"a\xFF\xEF\xBD", "a\xFF\xEF\xBD"},  // bytes that start no character
  };
  for (const Fold& example : examples) {
    EXPECT_EQ(FoldName(example.name), example.folded) << example.name;
  }
}

}  // namespace
