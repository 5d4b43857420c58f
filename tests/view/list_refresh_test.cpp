#include <string>
#include <vector>

#include "resources/texts.h"
#include "store/archive.h"
#include "view/view_fakes.h"

namespace {

using Strings = std::vector<std::string>;

class ListRefreshTest : public ViewTest {
 protected:
  void Type(const std::string& text, LauncherView& target) {
    for (const char c : text) {
      ASSERT_TRUE(target.OnChar(static_cast<unsigned char>(c)));
    }
  }
};

TEST_F(ListRefreshTest, TitleForEveryViewWithAndWithoutSearch) {
  Add("memo", 0, 0, 1, 100);
  g_settings.popular = 1;
  g_settings.recent = 1;

  g_viewMode = VIEW_GROUP;  // one group
  view.RefreshList();
  EXPECT_EQ(host.title, "VOSTEK");
  g_viewMode = VIEW_POPULAR;
  view.RefreshList();
  EXPECT_EQ(host.title, "（よく使うファイル） - VOSTEK");
  g_viewMode = VIEW_RECENT;
  view.RefreshList();
  EXPECT_EQ(host.title, "（最近使ったファイル） - VOSTEK");

  data.AddGroup("仕事");
  g_viewMode = VIEW_GROUP;
  g_curGroup = 1;
  view.RefreshList();
  EXPECT_EQ(host.title, "仕事 - VOSTEK");

  Type("ka", view);  // the search title shows even when nothing matches
  EXPECT_EQ(host.title, "仕事 > [KA]");
  g_viewMode = VIEW_POPULAR;
  view.RefreshList();
  EXPECT_EQ(host.title, "ALL > [KA]");
  g_viewMode = VIEW_RECENT;
  view.RefreshList();
  EXPECT_EQ(host.title, "ALL > [KA]");
  data.RemoveGroup(1);
  g_viewMode = VIEW_GROUP;
  g_curGroup = 0;
  view.RefreshList();
  EXPECT_EQ(host.title, "ALL > [KA]");
}

TEST_F(ListRefreshTest, EmptyCollectionShowsNoRowsAndIgnoresTheSearch) {
  g_settings.popular = 1;
  g_viewMode = VIEW_POPULAR;
  Type("ka", view);
  EXPECT_TRUE(list.rows.empty());
  EXPECT_EQ(host.title, "（よく使うファイル） - VOSTEK");
}

TEST_F(ListRefreshTest, UnknownViewModeShowsTheGroup) {
  data.AddGroup("B");
  Add("a", 0);
  Add("b", 1);
  g_curGroup = 1;
  g_viewMode = static_cast<ViewMode>(7);
  view.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"b"}));
  EXPECT_EQ(host.title, "B - VOSTEK");
}

TEST_F(ListRefreshTest, EachViewTakesItsItemsInItsOrderWithTiesInCollectionOrder) {
  data.AddGroup("other");
  Add("never", 0, 5);
  Add("three-old", 0, 2, 3, 10);
  Add("one-new", 1, 0, 1, 50);
  Add("three-new", 0, 2, 3, 40);
  Add("two", 0, 1, 2, 40);
  Add("untimed", 0, 0, 4, 0);

  g_settings.popular = 1;
  g_viewMode = VIEW_POPULAR;
  view.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"untimed", "three-old", "three-new", "two", "one-new"}));

  g_settings.recent = 1;
  g_viewMode = VIEW_RECENT;
  view.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"one-new", "three-new", "two", "three-old"}));

  g_viewMode = VIEW_GROUP;
  g_curGroup = 0;
  view.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"untimed", "two", "three-old", "three-new", "never"}));

  // A page of an automatic view is the start of its whole order, ties and all.
  for (const ViewMode mode : {VIEW_POPULAR, VIEW_RECENT}) {
    g_viewMode = mode;
    list.countPerPage = 0;
    view.RefreshList();
    const Strings whole = list.Texts();
    for (std::size_t page = 1; page <= whole.size(); ++page) {
      list.countPerPage = static_cast<int>(page);
      view.RefreshList();
      EXPECT_EQ(list.Texts(), Strings(whole.begin(), whole.begin() + page)) << mode << page;
    }
  }
}

TEST_F(ListRefreshTest, OrdersCompareUnsignedAndTimesSigned) {
  Add("high", 0, 0x80000000U);
  Add("low", 0, 1);
  Add("before-1970", 0, 2, 1, -5);
  Add("after-1970", 0, 3, 1, 5);
  view.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"low", "before-1970", "after-1970", "high"}));
  g_settings.recent = 1;
  g_viewMode = VIEW_RECENT;
  view.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"after-1970", "before-1970"}));
}

TEST_F(ListRefreshTest, AutomaticViewsShowOnePageAtMostGroupsShowAll) {
  g_settings.popular = 1;
  g_settings.recent = 1;
  for (int i = 0; i < 20; ++i) {
    Add("item" + std::to_string(i), 0, i, 1 + i, 1000 + i);
  }
  list.countPerPage = 8;
  view.RefreshList();  // the group view
  EXPECT_EQ(list.GetItemCount(), 20);

  g_viewMode = VIEW_POPULAR;
  view.RefreshList();
  ASSERT_EQ(list.GetItemCount(), 8);
  EXPECT_EQ(list.rows[0].text, "item19");
  g_viewMode = VIEW_RECENT;
  view.RefreshList();
  ASSERT_EQ(list.GetItemCount(), 8);
  EXPECT_EQ(list.rows[7].text, "item12");
  g_viewMode = VIEW_GROUP;
  view.RefreshList();
  EXPECT_EQ(list.GetItemCount(), 20);

  list.countPerPage = 0;  // too short for one whole row: no limit
  for (const ViewMode mode : {VIEW_POPULAR, VIEW_RECENT, VIEW_GROUP}) {
    g_viewMode = mode;
    view.RefreshList();
    EXPECT_EQ(list.GetItemCount(), 20) << mode;
  }
}

TEST_F(ListRefreshTest, RowsCarryNameItemAndIconOnlyWhileIconsShow) {
  VostekItem* report = Add("Report.txt", 0, 0);
  VostekItem* memo = Add("memo", 0, 1);
  report->SetIcon(4);
  memo->SetIcon(7);
  view.RefreshList();
  ASSERT_EQ(list.GetItemCount(), 2);
  EXPECT_EQ(list.rows[0].text, "Report.txt");
  EXPECT_EQ(list.rows[0].item, report);
  EXPECT_EQ(list.rows[0].image, 4);
  EXPECT_EQ(list.rows[1].item, memo);
  EXPECT_EQ(list.rows[1].image, 7);

  g_settings.showicon = 0;
  view.RefreshList();
  EXPECT_EQ(list.rows[0].image, -1);
  EXPECT_EQ(list.rows[1].image, -1);
}

TEST_F(ListRefreshTest, RowZeroEndsSelectedAndFocusedAndTheOldSelectionGoes) {
  Add("a", 0, 0);
  Add("b", 0, 1);
  Add("c", 0, 2);
  view.RefreshList();
  list.Select({1, 2});
  list.SetItemState(2, LVIS_FOCUSED, LVIS_FOCUSED);
  view.RefreshList();
  EXPECT_EQ(list.Selected(), (std::vector<int>{0}));
  EXPECT_EQ(list.Focused(), 0);
}

// Searches with the real dictionary, opened once for all of them.
class SearchRefreshTest : public ListRefreshTest {
 protected:
  static void SetUpTestSuite() { Dictionary().Open(MigemoDictionary::PathsIn(".")); }
  static MigemoDictionary& Dictionary() {
    static MigemoDictionary dictionary;
    return dictionary;
  }
  LauncherView searching{list, host, Dictionary(), shell};
};

TEST_F(SearchRefreshTest, GroupSearchStaysInTheShownGroupAndShowsNamesAsStored) {
  data.AddGroup("other");
  Add("Report.txt", 0, 0, 1, 10);
  Add("memo", 0, 1, 1, 20);
  Add("report2.txt", 1, 0, 1, 30);
  Type("rep", searching);
  EXPECT_EQ(list.Texts(), (Strings{"Report.txt"}));
  EXPECT_EQ(host.title, "グループ0 > [REP]");
  EXPECT_EQ(list.Selected(), (std::vector<int>{0}));

  g_settings.popular = 1;
  g_viewMode = VIEW_POPULAR;
  searching.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"Report.txt", "report2.txt"}));
  EXPECT_EQ(host.title, "ALL > [REP]");
}

TEST_F(SearchRefreshTest, RomajiFindsKanaAndKanjiNamesAndBackspaceShowsAllAgain) {
  Add("さくら.txt", 0, 0);
  Add("memo", 0, 1);
  Add("桜の写真", 0, 2);
  Add("Sakura2", 0, 3);
  Type("sakura", searching);
  EXPECT_EQ(list.Texts(), (Strings{"さくら.txt", "桜の写真", "Sakura2"}));
  EXPECT_EQ(host.title, "ALL > [SAKURA]");
  searching.OnKeyDown(0x08);
  EXPECT_EQ(list.Texts(), (Strings{"さくら.txt", "memo", "桜の写真", "Sakura2"}));
  EXPECT_EQ(host.title, "VOSTEK");
}

TEST_F(SearchRefreshTest, SearchFiltersBeforeThePageLimitApplies) {
  g_settings.popular = 1;
  g_viewMode = VIEW_POPULAR;
  for (int i = 0; i < 6; ++i) {
    Add("other" + std::to_string(i), 0, i, 10 + i, 1);
  }
  Add("target-a", 0, 6, 1, 1);
  Add("target-b", 0, 7, 2, 1);
  list.countPerPage = 3;
  searching.RefreshList();  // the page is measured on the rows already there
  searching.RefreshList();
  ASSERT_EQ(list.GetItemCount(), 3);
  Type("target", searching);
  EXPECT_EQ(list.Texts(), (Strings{"target-b", "target-a"}));
}

// The search looks the names up in an index it keeps between refreshes; every change of
// a name or of the items held must reach the next search.
TEST_F(SearchRefreshTest, SeesEveryChangeOfTheNamesSinceTheLastSearch) {
  VostekItem* memo = Add("memo", 0, 0);
  Add("Report.txt", 0, 1);
  Type("rep", searching);
  EXPECT_EQ(list.Texts(), (Strings{"Report.txt"}));

  memo->SetName("repair");
  searching.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"repair", "Report.txt"}));

  memo->SetName("memo");
  searching.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"Report.txt"}));
  data.RemoveItemAt(0);  // every later item moves up one place
  searching.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"Report.txt"}));

  auto added = std::make_unique<VostekItem>();
  added->SetName("Repo2");
  added->SetOrder(2);
  searching.RefreshList();
  data.AppendItem(std::move(added));
  searching.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"Report.txt", "Repo2"}));

  VostekData stored;
  stored.InitDefault();
  for (const char* name : {"memo", "レポート"}) {
    auto item = std::make_unique<VostekItem>();
    item->SetName(name);
    stored.AppendItem(std::move(item));
  }
  ArchiveWriter writer;
  stored.Store(writer);
  ArchiveReader reader(writer.Bytes());
  data.Load(reader);
  searching.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"レポート"}));
}

// An index made ahead on a worker thread serves only the names it was made from.
TEST_F(SearchRefreshTest, AnIndexMadeAheadServesOnlyTheNamesItWasMadeFrom) {
  VostekItem* memo = Add("memo", 0, 0);
  Add("Report.txt", 0, 1);
  searching.PrepareSearch();
  Type("rep", searching);
  EXPECT_EQ(list.Texts(), (Strings{"Report.txt"}));

  memo->SetName("repair");
  searching.PrepareSearch();
  searching.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"repair", "Report.txt"}));

  memo->SetName("reply");
  searching.PrepareSearch();
  memo->SetName("memo");  // before the index made ahead is used
  searching.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"Report.txt"}));

  VostekData other;
  other.InitDefault();
  auto item = std::make_unique<VostekItem>();
  item->SetName("レポート");
  other.AppendItem(std::move(item));
  memo->SetName("repo");
  searching.PrepareSearch();
  g_data = &other;
  searching.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"レポート"}));
  g_data = &data;
}

TEST_F(SearchRefreshTest, SearchesTheCollectionShownNow) {
  Add("memo", 0, 0);
  Add("Report.txt", 0, 1);
  Type("rep", searching);
  VostekData other;
  other.InitDefault();
  auto item = std::make_unique<VostekItem>();
  item->SetName("レポート");
  other.AppendItem(std::move(item));
  g_data = &other;
  searching.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"レポート"}));
  g_data = &data;
  searching.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"Report.txt"}));
}

}  // namespace
