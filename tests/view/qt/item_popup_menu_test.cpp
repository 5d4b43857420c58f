#include <QAction>
#include <QMenu>

#include "resources/command_ids.h"
#include "resources/menus.h"
#include "view/qt/item_popup_menu.h"
#include "view_test_fixture.h"

namespace {

struct Entry {
  std::string text;
  int id;
  bool enabled;
};

std::vector<Entry> Entries(const QMenu& menu) {
  std::vector<Entry> entries;
  for (const QAction* action : menu.actions()) {
    entries.push_back({action->isSeparator() ? "-" : action->text().toStdString(),
                       action->data().toInt(), action->isEnabled()});
  }
  return entries;
}

QMenu* MoveToGroupMenu(const QMenu& popup) {
  return popup.actions().at(menus::kMoveToGroupPosition)->menu();
}

class ItemPopupTest : public ViewTest {
 protected:
  void ShowGroupsWithSelection(int groups, int shown) {
    for (int g = 1; g < groups; ++g) {
      data.AddGroup("グループ" + std::to_string(g));
    }
    AddItem("a.txt", shown, 0);
    AddItem("b.txt", shown, 1);
    g_curGroup = shown;
    view->Logic().RefreshList();  // row 0 selected
  }
};

TEST_F(ItemPopupTest, EntriesInOrderWithTheSubMenuAtItsPosition) {
  ShowGroupsWithSelection(2, 0);
  std::unique_ptr<QMenu> popup = view->CreateItemMenu();
  std::vector<std::string> shown;
  for (const Entry& entry : Entries(*popup)) {
    shown.push_back(entry.text == "-" ? entry.text : entry.text + " = " + std::to_string(entry.id));
  }
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "起動する(&E)\tEnter, LDblClk = 32778",
                       "フォルダを開く(&D)\tShift+Enter, WheelClk = 32791",
                       "-",
                       "名前の変更(&N)...\tF2 = 32802",
                       "削除(&R)\tDel = 32803",
                       "別のグループへ移動(&M) = 0",
                       "-",
                       "上へ移動(&U)\tCtrl + U = 32828",
                       "下へ移動(&B)\tCtrl + D = 32829",
                   }));
  ASSERT_NE(MoveToGroupMenu(*popup), nullptr);
}

TEST_F(ItemPopupTest, SubMenuListsEveryGroupButTheShownOneUnderItsCommandId) {
  ShowGroupsWithSelection(4, 1);
  data.SetGroupName(2, "A&B");
  std::unique_ptr<QMenu> popup = view->CreateItemMenu();
  EXPECT_TRUE(popup->actions().at(menus::kMoveToGroupPosition)->isEnabled());
  const std::vector<Entry> entries = Entries(*MoveToGroupMenu(*popup));
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].text, "グループ0");
  EXPECT_EQ(entries[0].id, ID_MOVE_TO_GROUP + 0);
  EXPECT_EQ(entries[1].text, "A&&B");  // shown as "A&B", not as a mnemonic
  EXPECT_EQ(entries[1].id, ID_MOVE_TO_GROUP + 2);
  EXPECT_EQ(entries[2].id, ID_MOVE_TO_GROUP + 3);
  for (const Entry& entry : entries) {
    EXPECT_TRUE(entry.enabled);
  }
}

TEST_F(ItemPopupTest, SubMenuGreyedWithOneGroupOrNoSelection) {
  ShowGroupsWithSelection(1, 0);
  std::unique_ptr<QMenu> oneGroup = view->CreateItemMenu();
  EXPECT_FALSE(oneGroup->actions().at(menus::kMoveToGroupPosition)->isEnabled());
  const std::vector<Entry> placeholder = Entries(*MoveToGroupMenu(*oneGroup));
  ASSERT_EQ(placeholder.size(), 1u);
  EXPECT_EQ(placeholder[0].text, "グループ0");
  EXPECT_EQ(placeholder[0].id, ID_MOVE_TO_GROUP_PLACEHOLDER);

  data.AddGroup("グループ1");
  view->clearSelection();
  std::unique_ptr<QMenu> noSelection = view->CreateItemMenu();
  EXPECT_FALSE(noSelection->actions().at(menus::kMoveToGroupPosition)->isEnabled());
}

TEST_F(ItemPopupTest, EntriesFollowTheEnablingRulesWhenTheMenuOpens) {
  ShowGroupsWithSelection(2, 0);
  std::vector<Entry> selected = Entries(*view->CreateItemMenu());
  for (int position : {0, 1, 3, 4, 7, 8}) {
    EXPECT_TRUE(selected[position].enabled) << "position " << position;
  }

  view->clearSelection();
  std::vector<Entry> none = Entries(*view->CreateItemMenu());
  for (int position : {0, 1, 3, 4, 7, 8}) {
    EXPECT_FALSE(none[position].enabled) << "position " << position;
  }

  // The automatic views cannot reorder, but the selected rows can still be launched.
  g_viewMode = VIEW_POPULAR;
  AddItem("used.txt", 0, 2, 3);
  view->Logic().RefreshList();
  std::vector<Entry> popular = Entries(*view->CreateItemMenu());
  EXPECT_TRUE(popular[0].enabled);
  EXPECT_FALSE(popular[7].enabled);
  EXPECT_FALSE(popular[8].enabled);
}

TEST_F(ItemPopupTest, GroupsBeyondTheLastCommandIdShowDisabled) {
  ShowGroupsWithSelection(258, 0);
  const std::vector<Entry> entries = Entries(*MoveToGroupMenu(*view->CreateItemMenu()));
  ASSERT_EQ(entries.size(), 257u);
  EXPECT_EQ(entries[254].id, ID_MOVE_TO_GROUP_LAST);
  EXPECT_TRUE(entries[254].enabled);
  EXPECT_FALSE(entries[255].enabled);  // group 256
  EXPECT_FALSE(entries[256].enabled);
}

}  // namespace
