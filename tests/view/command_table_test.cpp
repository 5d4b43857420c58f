#include <string>
#include <vector>

#include "resources/command_ids.h"
#include "view/view_fakes.h"

namespace {

class CommandTableTest : public ViewTest {};

TEST_F(CommandTableTest, SelectionRuleGatesLaunchOpenRenameRemove) {
  Add("A");
  view.RefreshList();
  for (const int id : {ID_ITEM_LAUNCH, ID_ITEM_OPENFOLDER, ID_ITEM_RENAME, ID_ITEM_REMOVE}) {
    list.Select({0});
    EXPECT_TRUE(view.IsCommandEnabled(id)) << id;
    list.Select({});
    EXPECT_FALSE(view.IsCommandEnabled(id)) << id;
    EXPECT_TRUE(view.RunCommand(id)) << id;  // the view's command, refused by its rule
  }
  EXPECT_TRUE(shell.calls.empty());
  EXPECT_TRUE(list.editedLabels.empty());
  EXPECT_EQ(data.GetItemCount(), 1);

  list.Select({0});
  EXPECT_TRUE(view.RunCommand(ID_ITEM_RENAME));
  EXPECT_EQ(list.editedLabels, (std::vector<int>{0}));
  EXPECT_TRUE(view.RunCommand(ID_ITEM_REMOVE));
  EXPECT_TRUE(data.IsEmpty());
}

TEST_F(CommandTableTest, MoveRuleNeedsTheGroupViewAndASelection) {
  g_settings.popular = 1;
  g_settings.recent = 1;
  Add("A", 0, 0, 1, 1);
  Add("B", 0, 1, 2, 2);
  for (const ViewMode mode : {VIEW_GROUP, VIEW_POPULAR, VIEW_RECENT}) {
    g_viewMode = mode;
    view.RefreshList();
    for (const int id : {ID_ITEM_UP, ID_ITEM_DOWN}) {
      EXPECT_EQ(view.IsCommandEnabled(id), mode == VIEW_GROUP) << id << " " << int{mode};
    }
  }
  g_viewMode = VIEW_GROUP;
  view.RefreshList();
  list.Select({});
  EXPECT_FALSE(view.IsCommandEnabled(ID_ITEM_UP));
  EXPECT_FALSE(view.IsCommandEnabled(ID_ITEM_DOWN));

  list.Select({1});
  EXPECT_TRUE(view.RunCommand(ID_ITEM_UP));
  EXPECT_EQ(list.Texts(), (std::vector<std::string>{"B", "A"}));
}

TEST_F(CommandTableTest, GroupEditRuleNeedsTheGroupView) {
  g_settings.popular = 1;
  data.AddGroup("g1");
  for (const int id : {ID_GROUP_RENAME, ID_GROUP_DELETE}) {
    g_viewMode = VIEW_GROUP;
    EXPECT_TRUE(view.IsCommandEnabled(id));
    g_viewMode = VIEW_POPULAR;
    EXPECT_FALSE(view.IsCommandEnabled(id));
    EXPECT_TRUE(view.RunCommand(id));
  }
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(host.askCount, 0);
  EXPECT_EQ(data.GetGroupCount(), 2);
}

TEST_F(CommandTableTest, CycleRuleIsOffOnlyForASingleMemberCycle) {
  struct Case {
    int popular, recent, groups;
    bool enabled;
  };
  for (const Case& c : {Case{0, 0, 1, false}, Case{1, 0, 1, true}, Case{0, 1, 1, true},
                        Case{0, 0, 2, true}, Case{1, 1, 2, true}}) {
    g_settings.popular = c.popular;
    g_settings.recent = c.recent;
    while (data.GetGroupCount() < c.groups) {
      data.AddGroup("g");
    }
    for (const int id : {ID_GROUP_PREV, ID_GROUP_NEXT}) {
      EXPECT_EQ(view.IsCommandEnabled(id), c.enabled)
          << id << " " << c.popular << c.recent << c.groups;
    }
  }
}

TEST_F(CommandTableTest, CommandsWithoutARuleAreAlwaysEnabledAndRun) {
  g_settings.popular = 1;
  g_viewMode = VIEW_POPULAR;
  list.Select({});
  for (const int id :
       {ID_FILE_ADD, ID_GROUP_NEW, ID_HIDE, ID_VIEW_ICON, ID_VIEW_POPULAR, ID_VIEW_RECENT,
        ID_STAYGROUP, ID_AUTOHIDE, ID_MOVE_TO_GROUP, ID_MOVE_TO_GROUP_LAST}) {
    EXPECT_TRUE(view.IsCommandEnabled(id)) << id;
  }
  const Settings before = g_settings;
  EXPECT_TRUE(view.RunCommand(ID_STAYGROUP));
  EXPECT_TRUE(view.RunCommand(ID_AUTOHIDE));
  EXPECT_TRUE(view.RunCommand(ID_VIEW_ICON));
  EXPECT_TRUE(view.RunCommand(ID_VIEW_RECENT));
  EXPECT_NE(g_settings.staygroup, before.staygroup);
  EXPECT_NE(g_settings.g_autohide, before.g_autohide);
  EXPECT_NE(g_settings.showicon, before.showicon);
  EXPECT_NE(g_settings.recent, before.recent);
  EXPECT_TRUE(view.RunCommand(ID_VIEW_POPULAR));
  EXPECT_EQ(g_settings.popular, 0);
  EXPECT_EQ(g_viewMode, VIEW_GROUP);
  EXPECT_TRUE(view.RunCommand(ID_FILE_ADD));
  EXPECT_EQ(messages.size(), 1U);
  EXPECT_TRUE(view.RunCommand(ID_GROUP_NEW));
  EXPECT_EQ(data.GetGroupCount(), 2);
  EXPECT_TRUE(view.RunCommand(ID_HIDE));
  EXPECT_FALSE(host.visible);
}

TEST_F(CommandTableTest, MoveToGroupIdsRunEvenWithoutRuleAndStopAtTheLastId) {
  data.AddGroup("g1");
  Add("A", 0, 0);
  view.RefreshList();
  list.Select({0});
  EXPECT_TRUE(view.RunCommand(ID_MOVE_TO_GROUP + 1));
  EXPECT_EQ(data.GetItem(0)->GetGroup(), 1);

  for (const int id : {ID_MOVE_TO_GROUP_LAST + 1, ID_MOVE_TO_GROUP - 1}) {
    EXPECT_FALSE(view.IsCommandEnabled(id)) << id;
    EXPECT_FALSE(view.RunCommand(id)) << id;
  }
}

TEST_F(CommandTableTest, FrameCommandsAreNotTheViews) {
  for (const int id :
       {ID_VIEW_TOOLBAR, ID_APP_ABOUT, ID_APP_EXIT, ID_SHOW, ID_MOVE_TO_GROUP_PLACEHOLDER}) {
    EXPECT_FALSE(view.RunCommand(id)) << id;
  }
  EXPECT_TRUE(host.visible);
}

}  // namespace
