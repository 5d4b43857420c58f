// Launching, opening folders, removing, renaming, moving to another group, the
// move-to-group sub-menu and the mouse gestures.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "resources/command_ids.h"
#include "view/view_fakes.h"

namespace {

using Strings = std::vector<std::string>;
using Action = FakeItemShell::Action;

class ItemCommandsTest : public ViewTest {
 protected:
  void ShowGroup(int group, const Strings& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      Add(names[i], group, static_cast<std::uint32_t>(i));
    }
    g_curGroup = group;
    view.RefreshList();
  }
  std::vector<std::string> CallNames(Action action) const {
    std::vector<std::string> names;
    for (const auto& call : shell.calls) {
      if (call.action == action) {
        names.push_back(call.item->GetName());
      }
    }
    return names;
  }
};

TEST_F(ItemCommandsTest, LaunchOpensSelectedInRowOrderShiftPerItemThenHidesOnce) {
  g_settings.popular = 1;
  ShowGroup(0, {"A", "B", "C", "D"});
  g_viewMode = VIEW_GROUP;
  g_curGroup = 0;
  list.Select({0, 2, 3});
  host.shiftAnswers = {false, true, false};
  view.OnItemLaunch();
  EXPECT_EQ(CallNames(Action::Launch), (Strings{"A", "D"}));
  EXPECT_EQ(CallNames(Action::OpenFolder), (Strings{"C"}));
  EXPECT_EQ(host.hideCount, 1);
  EXPECT_EQ(g_viewMode, VIEW_POPULAR);  // the hide's reset
}

TEST_F(ItemCommandsTest, OpenFolderOpensEveryFolderWhateverTheKeysThenHides) {
  ShowGroup(0, {"A", "B"});
  list.Select({0, 1});
  host.shiftAnswers = {false, false};
  view.OnItemOpenFolder();
  EXPECT_EQ(CallNames(Action::OpenFolder), (Strings{"A", "B"}));
  EXPECT_TRUE(CallNames(Action::Launch).empty());
  EXPECT_EQ(host.hideCount, 1);
}

TEST_F(ItemCommandsTest, NothingSelectedOpensNothingAndKeepsTheWindow) {
  g_settings.popular = 1;  // a hide would switch to the popular view
  ShowGroup(0, {"A"});
  list.Select({});
  view.OnItemLaunch();
  view.OnItemOpenFolder();
  view.OnItemRename();
  view.OnItemRemove();
  EXPECT_TRUE(shell.calls.empty());
  EXPECT_EQ(host.hideCount, 0);
  EXPECT_TRUE(host.visible);
  EXPECT_EQ(g_viewMode, VIEW_GROUP);
  EXPECT_TRUE(list.editedLabels.empty());
  EXPECT_EQ(data.GetItemCount(), 1);
}

TEST_F(ItemCommandsTest, RemoveTakesRowsAndItemsAwayAndLeavesGapsInOrders) {
  ShowGroup(0, {"A", "B", "C", "D", "E"});
  list.Select({1, 3});
  view.OnItemRemove();
  EXPECT_EQ(list.Texts(), (Strings{"A", "C", "E"}));
  ASSERT_EQ(data.GetItemCount(), 3);
  EXPECT_EQ(data.GetItem(0)->GetOrder(), 0U);
  EXPECT_EQ(data.GetItem(1)->GetOrder(), 2U);
  EXPECT_EQ(data.GetItem(2)->GetOrder(), 4U);
  for (const auto& row : list.rows) {
    EXPECT_GE(data.FindItem(row.item), 0) << row.text;
  }
  view.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"A", "C", "E"}));
}

TEST_F(ItemCommandsTest, RemoveInTheAutomaticViewsFindsItemsAcrossGroups) {
  data.AddGroup("g1");
  g_settings.recent = 1;
  Add("old", 0, 0, 1, 10);
  Add("new", 1, 0, 1, 20);
  Add("keep", 1, 1, 1, 5);
  g_viewMode = VIEW_RECENT;
  view.RefreshList();
  list.Select({0, 1});
  view.OnItemRemove();
  EXPECT_EQ(list.Texts(), (Strings{"keep"}));
  ASSERT_EQ(data.GetItemCount(), 1);
  EXPECT_EQ(data.GetItem(0)->GetName(), "keep");
}

TEST_F(ItemCommandsTest, RenameEditsTheFirstSelectedRowAndKeepsNonEmptyTextAsTyped) {
  ShowGroup(0, {"A", "B", "C"});
  list.Select({2, 1});
  view.OnItemRename();
  EXPECT_EQ(list.editedLabels, (std::vector<int>{1}));

  view.OnEndLabelEdit(1, std::nullopt);  // cancelled
  view.OnEndLabelEdit(1, std::string());
  EXPECT_EQ(list.rows[1].text, "B");
  EXPECT_EQ(data.GetItem(1)->GetName(), "B");

  view.OnEndLabelEdit(1, std::string("  "));
  EXPECT_EQ(list.rows[1].text, "  ");
  EXPECT_EQ(data.GetItem(1)->GetName(), "  ");
  view.OnEndLabelEdit(1, std::string(" 新しい名前\t"));
  EXPECT_EQ(list.rows[1].text, " 新しい名前\t");
  EXPECT_EQ(data.GetItem(1)->GetName(), " 新しい名前\t");

  // A row that is gone by the time the edit ends changes nothing.
  view.OnEndLabelEdit(7, std::string("lost"));
  view.OnEndLabelEdit(-1, std::string("lost"));
  EXPECT_EQ(list.Texts(), (Strings{"A", " 新しい名前\t", "C"}));
}

TEST_F(ItemCommandsTest, MoveToGroupGivesOrdersFromTheTargetCountInReverseRowOrder) {
  data.AddGroup("g1");
  data.AddGroup("g2");
  Add("x", 2, 0);
  Add("y", 2, 7);  // gaps in the target's orders do not matter: the count does
  Add("z", 2, 9);
  ShowGroup(0, {"A", "B", "C", "D", "E"});
  list.Select({0, 4});
  view.OnMoveToGroup(ID_MOVE_TO_GROUP + 2);
  EXPECT_EQ(list.Texts(), (Strings{"B", "C", "D"}));
  const VostekItem* a = data.GetItem(3);
  const VostekItem* e = data.GetItem(7);
  ASSERT_EQ(a->GetName(), "A");
  ASSERT_EQ(e->GetName(), "E");
  EXPECT_EQ(e->GetGroup(), 2);
  EXPECT_EQ(e->GetOrder(), 3U);
  EXPECT_EQ(a->GetGroup(), 2);
  EXPECT_EQ(a->GetOrder(), 4U);
  EXPECT_EQ(GroupNames(2), (Strings{"x", "E", "A", "y", "z"}));
}

TEST_F(ItemCommandsTest, MovedItemsThatStayInTheViewAreShownAfterARebuild) {
  data.AddGroup("g1");
  g_settings.popular = 1;
  Add("one", 1, 0, 3, 1);
  Add("zero", 0, 0, 2, 1);
  g_viewMode = VIEW_POPULAR;
  view.RefreshList();
  list.Select({0});
  view.OnMoveToGroup(ID_MOVE_TO_GROUP + 0);  // Shift+X
  EXPECT_EQ(list.Texts(), (Strings{"one", "zero"}));
  EXPECT_EQ(data.GetItem(0)->GetGroup(), 0);
  EXPECT_EQ(data.GetItem(0)->GetOrder(), 1U);

  // Shift+X while group 0 shows: the moved item goes to the end of the group it is in.
  g_viewMode = VIEW_GROUP;
  g_curGroup = 0;
  view.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"zero", "one"}));
  list.Select({0});
  view.OnMoveToGroup(ID_MOVE_TO_GROUP + 0);
  EXPECT_EQ(list.Texts(), (Strings{"one", "zero"}));
  EXPECT_EQ(host.title, "グループ0 - VOSTEK");
}

TEST_F(ItemCommandsTest, MoveToAGroupThatDoesNotExistChangesNothing) {
  ShowGroup(0, {"A"});
  list.Select({0});
  view.OnMoveToGroup(ID_MOVE_TO_GROUP + 3);
  EXPECT_EQ(list.Texts(), (Strings{"A"}));
  EXPECT_EQ(data.GetItem(0)->GetGroup(), 0);
}

TEST_F(ItemCommandsTest, MoveSubMenuListsEveryOtherGroupOrIsGreyed) {
  ShowGroup(0, {"A"});
  list.Select({0});
  EXPECT_TRUE(view.BuildMoveToGroupMenu().greyed);  // one group

  data.AddGroup("仕事");
  data.AddGroup("趣味");
  g_curGroup = 1;
  MoveToGroupMenu menu = view.BuildMoveToGroupMenu();
  EXPECT_FALSE(menu.greyed);
  ASSERT_EQ(menu.entries.size(), 2U);
  EXPECT_EQ(menu.entries[0].text, "グループ0");
  EXPECT_EQ(menu.entries[0].id, 36000);
  EXPECT_EQ(menu.entries[1].text, "趣味");
  EXPECT_EQ(menu.entries[1].id, 36002);
  EXPECT_TRUE(menu.entries[0].enabled && menu.entries[1].enabled);

  g_viewMode = VIEW_POPULAR;  // the shown group's index is left out in every view
  EXPECT_EQ(view.BuildMoveToGroupMenu().entries.size(), 2U);

  list.Select({});
  EXPECT_TRUE(view.BuildMoveToGroupMenu().greyed);
}

TEST_F(ItemCommandsTest, MoveSubMenuEntriesBeyondTheLastIdAreDisabled) {
  ShowGroup(0, {"A"});
  list.Select({0});
  for (int i = 1; i < 258; ++i) {
    data.AddGroup("g" + std::to_string(i));
  }
  const MoveToGroupMenu menu = view.BuildMoveToGroupMenu();
  ASSERT_EQ(menu.entries.size(), 257U);
  EXPECT_EQ(menu.entries[254].id, 36255);
  EXPECT_TRUE(menu.entries[254].enabled);
  EXPECT_EQ(menu.entries[255].id, 36256);
  EXPECT_FALSE(menu.entries[255].enabled);
  EXPECT_FALSE(menu.entries[256].enabled);
}

TEST_F(ItemCommandsTest, FileAddOnlyTellsTheUserToDrop) {
  view.OnFileAdd();
  ASSERT_EQ(messages.size(), 1U);
  EXPECT_EQ(messages[0].text, "ウインドウに追加したいアイコンをドラッグ＆ドロップして下さい。");
  EXPECT_EQ(messages[0].buttons, MessageButtons::Ok);
  EXPECT_TRUE(data.IsEmpty());
}

TEST_F(ItemCommandsTest, MiddleClickOpensOnlyTheRowUnderTheCursor) {
  ShowGroup(0, {"A", "B", "C"});
  list.Select({0, 2});
  view.OnMButtonDown(1);
  EXPECT_EQ(list.Selected(), (std::vector<int>{1}));
  EXPECT_EQ(list.Focused(), 1);
  view.OnMButtonUp();
  EXPECT_EQ(CallNames(Action::OpenFolder), (Strings{"B"}));
  EXPECT_EQ(host.hideCount, 1);
}

TEST_F(ItemCommandsTest, MiddleClickOnEmptySpaceClearsTheSelectionAndOpensNothing) {
  ShowGroup(0, {"A", "B"});
  view.OnMButtonDown(-1);
  EXPECT_TRUE(list.Selected().empty());
  EXPECT_EQ(list.Focused(), -1);
  view.OnMButtonUp();
  EXPECT_TRUE(shell.calls.empty());
  EXPECT_TRUE(host.visible);
}

TEST_F(ItemCommandsTest, ReleaseAfterAWheelSwitchOpensNoFolderOnce) {
  data.AddGroup("g1");
  ShowGroup(0, {"A"});
  view.OnMButtonDown(0);
  EXPECT_TRUE(view.OnMouseWheel(true, -120));
  EXPECT_EQ(g_curGroup, 1);
  view.OnMButtonUp();
  EXPECT_TRUE(shell.calls.empty());
  EXPECT_FALSE(view.WheelSwitched());

  g_curGroup = 0;
  view.RefreshList();
  view.OnMButtonDown(0);
  view.OnMButtonUp();
  EXPECT_EQ(CallNames(Action::OpenFolder), (Strings{"A"}));
}

}  // namespace
