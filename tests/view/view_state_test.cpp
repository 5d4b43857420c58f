// Search keys, hiding, deactivation and the settings toggles.

#include <string>
#include <vector>

#include "view/view_fakes.h"

namespace {

using Strings = std::vector<std::string>;

class ViewStateTest : public ViewTest {};

TEST_F(ViewStateTest, LettersDigitsAndDashAreSearchTextExceptShiftAccelerators) {
  Add("memo");
  struct Typed {
    unsigned code;
    bool shift;
    const char* search;  // the search text after it; null: passed on to the list
  };
  const Typed typed[] = {
      {'k', false, "K"},         {'a', false, "KA"},        {'9', false, "KA9"},
      {'-', false, "KA9-"},      {'T', true, "KA9-T"},      {'t', true, "KA9-TT"},  // Caps Lock
      {'Q', false, "KA9-TTQ"},   {'X', false, "KA9-TTQX"},  // Caps Lock, no Shift
      {'X', true, nullptr},      {'x', true, nullptr},      // Shift+X moves to group 0
      {'!', true, nullptr},      {' ', false, nullptr},     {'\r', false, nullptr},
      {'_', true, nullptr},      {0x3042, false, nullptr},  // あ
      {'a' - 1, false, nullptr}, {'z' + 1, false, nullptr}, {'A' - 1, true, nullptr},
      {'Z' + 1, true, nullptr},  {'0' - 1, false, nullptr}, {'9' + 1, false, nullptr},
      {'z', false, "KA9-TTQXZ"},
  };
  std::string expected;
  for (const Typed& key : typed) {
    const bool taken = key.search != nullptr;
    expected = taken ? key.search : expected;
    EXPECT_EQ(view.OnChar(key.code, key.shift), taken) << key.code << " shift " << key.shift;
    EXPECT_EQ(view.SearchText(), expected) << key.code;
  }
  EXPECT_EQ(host.title, "ALL > [KA9-TTQXZ]");
}

TEST_F(ViewStateTest, BackspaceAndDeleteClearTheWholeSearchAndRefresh) {
  Add("memo");
  for (const int key : {0x08, 0x2E}) {
    view.OnChar('k');
    view.OnChar('a');
    EXPECT_TRUE(list.rows.empty());
    view.OnKeyDown(key);
    EXPECT_EQ(view.SearchText(), "");
    EXPECT_EQ(list.Texts(), (Strings{"memo"}));
    EXPECT_EQ(host.title, "VOSTEK");
  }
  // Also with nothing typed, the list is rebuilt.
  list.rows.clear();
  view.OnKeyDown(0x08);
  EXPECT_EQ(list.Texts(), (Strings{"memo"}));

  view.OnChar('k');
  for (const int key : {0x25, 0x27, 0x41, 0x0D, 0x1B}) {
    view.OnKeyDown(key);
  }
  EXPECT_EQ(view.SearchText(), "K");
}

TEST_F(ViewStateTest, HideReturnsToTheStartViewUnlessStayGroup) {
  for (int i = 1; i < 4; ++i) {
    data.AddGroup("g" + std::to_string(i));
  }
  struct Case {
    int popular, recent, staygroup;
    ViewMode mode;
    int group;
  };
  for (const Case& c : {Case{1, 0, 0, VIEW_POPULAR, 0}, Case{0, 1, 0, VIEW_RECENT, 0},
                        Case{1, 1, 0, VIEW_POPULAR, 0}, Case{0, 0, 0, VIEW_GROUP, 0},
                        Case{1, 1, 1, VIEW_GROUP, 3}}) {
    g_settings.popular = c.popular;
    g_settings.recent = c.recent;
    g_settings.staygroup = c.staygroup;
    g_viewMode = VIEW_GROUP;
    g_curGroup = 3;
    host.visible = true;
    view.OnChar('k');
    view.OnHide();
    EXPECT_FALSE(host.visible);
    EXPECT_EQ(g_viewMode, c.mode) << c.popular << c.recent << c.staygroup;
    EXPECT_EQ(g_curGroup, c.group) << c.popular << c.recent << c.staygroup;
    EXPECT_EQ(view.SearchText(), "");
  }
}

TEST_F(ViewStateTest, HideOfAHiddenWindowOnlyResets) {
  g_settings.popular = 1;
  host.visible = false;
  view.OnChar('k');
  view.OnHide();
  EXPECT_EQ(host.hideCount, 0);
  EXPECT_EQ(g_viewMode, VIEW_POPULAR);
  EXPECT_EQ(view.SearchText(), "");
}

TEST_F(ViewStateTest, LosingActivationHidesOnlyWithAutoHide) {
  view.OnActivateApp(false);
  EXPECT_TRUE(host.visible);
  g_settings.g_autohide = 1;
  view.OnActivateApp(true);
  EXPECT_TRUE(host.visible);
  view.OnActivateApp(false);
  EXPECT_FALSE(host.visible);
}

TEST_F(ViewStateTest, PlainTogglesFlipToExactlyZeroOrOne) {
  g_settings.staygroup = 5;
  view.OnStayGroup();
  EXPECT_EQ(g_settings.staygroup, 0);
  view.OnStayGroup();
  EXPECT_EQ(g_settings.staygroup, 1);
  g_settings.g_autohide = -3;
  view.OnAutoHide();
  EXPECT_EQ(g_settings.g_autohide, 0);
  view.OnAutoHide();
  EXPECT_EQ(g_settings.g_autohide, 1);
  EXPECT_TRUE(host.title.empty());  // nothing shown changes
}

TEST_F(ViewStateTest, IconToggleRebuildsRowsWithAndWithoutIcons) {
  Add("memo")->SetIcon(3);
  view.RefreshList();
  EXPECT_EQ(list.rows.at(0).image, 3);
  view.OnViewIcon();
  EXPECT_EQ(g_settings.showicon, 0);
  EXPECT_EQ(list.rows.at(0).image, -1);
  view.OnViewIcon();
  EXPECT_EQ(g_settings.showicon, 1);
  EXPECT_EQ(list.rows.at(0).image, 3);
}

TEST_F(ViewStateTest, TurningAnAutomaticViewOffWhileShownShowsGroupZero) {
  data.AddGroup("g1");
  Add("zero", 0, 0, 1, 1);
  Add("one", 1, 0, 2, 2);
  g_settings.popular = 1;
  g_settings.recent = 1;
  g_curGroup = 1;

  g_viewMode = VIEW_POPULAR;
  view.RefreshList();
  view.OnViewPopular();
  EXPECT_EQ(g_settings.popular, 0);
  EXPECT_EQ(g_viewMode, VIEW_GROUP);
  EXPECT_EQ(g_curGroup, 0);
  EXPECT_EQ(list.Texts(), (Strings{"zero"}));
  EXPECT_EQ(host.title, "グループ0 - VOSTEK");

  g_viewMode = VIEW_RECENT;
  g_curGroup = 1;
  view.RefreshList();
  view.OnViewRecent();
  EXPECT_EQ(g_settings.recent, 0);
  EXPECT_EQ(g_viewMode, VIEW_GROUP);
  EXPECT_EQ(g_curGroup, 0);
  EXPECT_EQ(list.Texts(), (Strings{"zero"}));
}

TEST_F(ViewStateTest, AutomaticViewTogglesChangeNothingShownOtherwise) {
  data.AddGroup("g1");
  Add("one", 1, 0, 2, 2);
  g_curGroup = 1;
  view.RefreshList();
  host.title = "unchanged";
  view.OnViewPopular();  // on
  view.OnViewRecent();   // on
  EXPECT_EQ(g_settings.popular, 1);
  EXPECT_EQ(g_settings.recent, 1);
  g_viewMode = VIEW_RECENT;
  view.OnViewPopular();  // off while the recent view shows
  EXPECT_EQ(g_settings.popular, 0);
  EXPECT_EQ(g_viewMode, VIEW_RECENT);
  g_viewMode = VIEW_GROUP;
  view.OnViewRecent();  // off while a group shows
  EXPECT_EQ(g_settings.recent, 0);
  EXPECT_EQ(g_viewMode, VIEW_GROUP);
  EXPECT_EQ(g_curGroup, 1);
  EXPECT_EQ(host.title, "unchanged");
}

}  // namespace
