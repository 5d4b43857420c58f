#include "tray/window_placement.h"

#include <gtest/gtest.h>

#include <ostream>

// What a failed expectation prints.
std::ostream& operator<<(std::ostream& out, const ScreenPoint& point) {
  return out << "(" << point.x << ", " << point.y << ")";
}

namespace {

constexpr ScreenRect kWorkArea{0, 0, 1024, 738};  // a 1024x768 screen with a taskbar at the bottom
constexpr ScreenSize kWindow{200, 220};

TEST(PlaceAtCursor, CentresTheWindowOnTheCursor) {
  EXPECT_EQ(PlaceAtCursor({500, 400}, kWindow, kWorkArea), ScreenPoint(400, 290));
  // Halves are truncated: a 201 x 221 window starts 100 and 110 before the cursor.
  EXPECT_EQ(PlaceAtCursor({500, 400}, {201, 221}, kWorkArea), ScreenPoint(400, 290));
}

TEST(PlaceAtCursor, KeepsTheWindowInsideTheRightAndBottomEdges) {
  EXPECT_EQ(PlaceAtCursor({1020, 400}, kWindow, kWorkArea), ScreenPoint(824, 290));
  EXPECT_EQ(PlaceAtCursor({500, 735}, kWindow, kWorkArea), ScreenPoint(400, 518));
  EXPECT_EQ(PlaceAtCursor({1023, 767}, kWindow, kWorkArea), ScreenPoint(824, 518));
  // Exactly touching the edge is inside.
  EXPECT_EQ(PlaceAtCursor({924, 628}, kWindow, kWorkArea), ScreenPoint(824, 518));
}

TEST(PlaceAtCursor, TheLowerBoundIsTheScreenOriginNotTheWorkArea) {
  EXPECT_EQ(PlaceAtCursor({10, 10}, kWindow, kWorkArea), ScreenPoint(0, 0));
  // A taskbar along the top (work area from y 30): the window still goes to y 0.
  constexpr ScreenRect topTaskbar{0, 30, 1024, 738};
  EXPECT_EQ(PlaceAtCursor({10, 40}, kWindow, topTaskbar), ScreenPoint(0, 0));
  // The right edge of an offset work area is its left plus its width.
  constexpr ScreenRect leftTaskbar{60, 0, 964, 768};
  EXPECT_EQ(PlaceAtCursor({1020, 400}, kWindow, leftTaskbar), ScreenPoint(824, 290));
}

TEST(PlaceAtCursor, ACursorOnADisplayLeftOfOrAboveThePrimaryGoesToZero) {
  EXPECT_EQ(PlaceAtCursor({-800, -300}, kWindow, kWorkArea), ScreenPoint(0, 0));
  EXPECT_EQ(PlaceAtCursor({-800, 400}, kWindow, kWorkArea), ScreenPoint(0, 290));
}

TEST(PlaceAtCursor, AWindowWiderThanTheWorkAreaIsNotComparedWithZeroAgain) {
  constexpr ScreenSize wide{1200, 220};
  // At least half the width from the left edge: pulled back to right edge - width.
  EXPECT_EQ(PlaceAtCursor({700, 400}, wide, kWorkArea), ScreenPoint(-176, 290));
  // Nearer the left edge the lower bound wins first.
  EXPECT_EQ(PlaceAtCursor({500, 400}, wide, kWorkArea), ScreenPoint(0, 290));
  constexpr ScreenSize tall{200, 900};
  EXPECT_EQ(PlaceAtCursor({500, 600}, tall, kWorkArea), ScreenPoint(400, -162));
}

// Two screens side by side: the primary with a panel at the bottom, and a smaller one
// to its right with a panel at the top.
TEST(PlaceForShowing, AtTheCursorOnlyWhereItIsCurrentElseCentredOnTheScreenInUse) {
  const std::vector<ScreenArea> screens{
      {{0, 0, 1024, 768}, kWorkArea},
      {{1024, 0, 800, 600}, {1024, 30, 800, 570}},
  };
  struct Case {
    const char* what;
    ShowingPlace place;
    ScreenSize size;
    ScreenPoint expected;
  };
  const Case cases[] = {
      {"a current cursor: at the cursor, on the primary's work area",
       {true, {500, 400}, ScreenPoint{1400, 300}},
       kWindow,
       {400, 290}},
      {"a current cursor on the other screen still keeps to the primary's edges",
       {true, {1400, 300}, std::nullopt},
       kWindow,
       {824, 190}},
      {"a stale cursor: centred on the screen that holds the focused window",
       {false, {500, 400}, ScreenPoint{1400, 300}},
       kWindow,
       {1324, 205}},
      {"no focused window: the screen of the cursor's last known position",
       {false, {1500, 100}, std::nullopt},
       kWindow,
       {1324, 205}},
      {"a focused window off every screen: the cursor's screen decides",
       {false, {1500, 100}, ScreenPoint{-5000, 0}},
       kWindow,
       {1324, 205}},
      {"neither on a screen: the primary",
       {false, {-300, -300}, std::nullopt},
       kWindow,
       {412, 259}},
      {"larger than the work area: from its top-left edge, never off it",
       {false, {1500, 100}, std::nullopt},
       ScreenSize{900, 700},
       {1024, 30}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(PlaceForShowing(c.place, c.size, screens), c.expected);
  }
}

}  // namespace
