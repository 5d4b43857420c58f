#include "store/fill_text.h"

#include <gtest/gtest.h>

namespace {

TEST(FillTextTest, FillsEachPlaceWhereverItStandsAndLeavesPercentsInTheValuesAlone) {
  EXPECT_EQ(FillText("%1 を開けません（%2）。%1 は上書きしません。", "/home/u/a%2b", "100%"),
            "/home/u/a%2b を開けません（100%）。/home/u/a%2b は上書きしません。");
  EXPECT_EQ(FillText("50% done, %3 %", "x", "y"), "50% done, %3 %");
  EXPECT_EQ(FillText("%3%1%2%4", {"a%3", "b", "c"}), "ca%3b%4");
}

}  // namespace
