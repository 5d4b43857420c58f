// New, delete and rename group, the group-name rule, and the view cycle.

#include <string>
#include <vector>

#include "view/group_name.h"
#include "view/view_fakes.h"

namespace {

using Strings = std::vector<std::string>;

class GroupCommandsTest : public ViewTest {
 protected:
  Strings GroupList() const {
    Strings names;
    for (int i = 0; i < data.GetGroupCount(); ++i) {
      names.push_back(data.GetGroupName(i));
    }
    return names;
  }
  void AddGroups(int total) {
    for (int i = data.GetGroupCount(); i < total; ++i) {
      data.AddGroup("グループ" + std::to_string(i));
    }
  }
};

TEST_F(GroupCommandsTest, NewGroupIsNamedAfterItsIndexAndShownKeepingTheSearch) {
  AddGroups(3);
  Add("a", 0);
  g_settings.popular = 1;
  g_viewMode = VIEW_POPULAR;
  view.OnChar('k');
  view.OnGroupNew();
  EXPECT_EQ(GroupList(), (Strings{"グループ0", "グループ1", "グループ2", "グループ3"}));
  EXPECT_EQ(g_viewMode, VIEW_GROUP);
  EXPECT_EQ(g_curGroup, 3);
  EXPECT_TRUE(list.rows.empty());
  EXPECT_EQ(view.SearchText(), "K");
  EXPECT_EQ(host.title, "グループ3 > [K]");
}

TEST_F(GroupCommandsTest, DeleteMiddleGroupRenumbersLaterItemsAndShowsTheNextGroup) {
  AddGroups(3);
  Add("zero", 0, 0);
  Add("one-a", 1, 0);
  Add("two", 2, 5);
  Add("one-b", 1, 1);
  g_curGroup = 1;
  view.RefreshList();
  view.OnGroupDelete();
  ASSERT_EQ(messages.size(), 1U);
  EXPECT_EQ(messages[0].text, "グループ内のアイテムも削除されます。\nグループ1を削除しますか？");
  EXPECT_EQ(messages[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(GroupList(), (Strings{"グループ0", "グループ2"}));
  ASSERT_EQ(data.GetItemCount(), 2);
  EXPECT_EQ(data.GetItem(0)->GetName(), "zero");
  EXPECT_EQ(data.GetItem(0)->GetGroup(), 0);
  EXPECT_EQ(data.GetItem(1)->GetName(), "two");
  EXPECT_EQ(data.GetItem(1)->GetGroup(), 1);
  EXPECT_EQ(data.GetItem(1)->GetOrder(), 5U);
  EXPECT_EQ(g_curGroup, 1);
  EXPECT_EQ(list.Texts(), (Strings{"two"}));
  EXPECT_EQ(host.title, "グループ2 - VOSTEK");

  // Names are not unique: the next new group is called グループ2 again.
  view.OnGroupNew();
  EXPECT_EQ(GroupList(), (Strings{"グループ0", "グループ2", "グループ2"}));
}

TEST_F(GroupCommandsTest, DeleteLastGroupShowsThePreviousOne) {
  AddGroups(3);
  Add("one", 1);
  Add("two", 2);
  g_curGroup = 2;
  view.OnGroupDelete();
  EXPECT_EQ(GroupList(), (Strings{"グループ0", "グループ1"}));
  EXPECT_EQ(g_curGroup, 1);
  EXPECT_EQ(list.Texts(), (Strings{"one"}));
}

TEST_F(GroupCommandsTest, DeleteTheOnlyGroupEmptiesItAndRestoresItsFirstName) {
  data.SetGroupName(0, "私物");
  Add("a");
  Add("b");
  view.RefreshList();
  view.OnGroupDelete();
  EXPECT_EQ(messages.at(0).text, "グループ内のアイテムも削除されます。\n私物を削除しますか？");
  EXPECT_TRUE(data.IsEmpty());
  EXPECT_EQ(GroupList(), (Strings{"グループ0"}));
  EXPECT_EQ(g_curGroup, 0);
  EXPECT_TRUE(list.rows.empty());
  EXPECT_EQ(host.title, "VOSTEK");
}

TEST_F(GroupCommandsTest, DeleteCancelledOrOutsideTheGroupViewChangesNothing) {
  AddGroups(2);
  Add("a", 1);
  g_curGroup = 1;
  answerOk = false;
  view.OnGroupDelete();
  EXPECT_EQ(messages.size(), 1U);
  EXPECT_EQ(data.GetGroupCount(), 2);
  EXPECT_EQ(data.GetItemCount(), 1);

  answerOk = true;
  g_settings.popular = 1;
  g_viewMode = VIEW_POPULAR;
  view.OnGroupDelete();
  EXPECT_EQ(messages.size(), 1U);
  EXPECT_EQ(data.GetGroupCount(), 2);
}

TEST_F(GroupCommandsTest, DeleteGroupWithAPercentInItsNameShowsItAsText) {
  AddGroups(2);
  data.SetGroupName(1, "100%s%d");
  g_curGroup = 1;
  answerOk = false;
  view.OnGroupDelete();
  EXPECT_EQ(messages.at(0).text, "グループ内のアイテムも削除されます。\n100%s%dを削除しますか？");
}

TEST_F(GroupCommandsTest, TrimCutsSingleByteWhiteSpaceOnlyAndRefusesEmptyNames) {
  EXPECT_EQ(TrimGroupName(" \t\n\v\f\r仕事 \r\n"), "仕事");
  EXPECT_EQ(TrimGroupName("a b"), "a b");
  EXPECT_EQ(TrimGroupName("　全角　"), "　全角　");  // full-width spaces stay
  EXPECT_EQ(TrimGroupName(" \t "), "");
  EXPECT_TRUE(IsGroupNameRefused(TrimGroupName(" \t ")));
  EXPECT_FALSE(IsGroupNameRefused(TrimGroupName("　")));
}

TEST_F(GroupCommandsTest, RenameGivesTheShownGroupTheAnsweredName) {
  AddGroups(2);
  g_curGroup = 1;
  host.groupNameAnswers = {std::nullopt, std::string("グループ0")};
  view.OnGroupRename();  // cancelled
  EXPECT_EQ(data.GetGroupName(1), "グループ1");
  view.OnGroupRename();  // a name another group has is fine
  EXPECT_EQ(data.GetGroupName(1), "グループ0");
  EXPECT_EQ(host.title, "グループ0 - VOSTEK");

  host.groupNameAnswers = {std::string(" \t")};  // a front end that did not trim
  view.OnGroupRename();
  EXPECT_EQ(data.GetGroupName(1), "グループ0");

  g_settings.recent = 1;
  g_viewMode = VIEW_RECENT;
  host.groupNameAnswers = {std::string("x")};
  view.OnGroupRename();
  EXPECT_EQ(host.askCount, 3);  // not asked outside the group view
}

// One step of the cycle from `mode`/`group`; returns where it went, or "-" when the step
// changed nothing (and rebuilt nothing).
struct CycleCase {
  int popular, recent, groups;
  ViewMode mode;
  int group;
  bool next;
  std::string expected;
};

class ViewCycleTest : public GroupCommandsTest {
 protected:
  std::string Step(const CycleCase& c) {
    g_settings.popular = c.popular;
    g_settings.recent = c.recent;
    while (data.GetGroupCount() > c.groups) {
      data.RemoveGroup(data.GetGroupCount() - 1);
    }
    AddGroups(c.groups);
    g_viewMode = c.mode;
    g_curGroup = c.group;
    host.title = "-";
    if (c.next) {
      view.OnGroupNext();
    } else {
      view.OnGroupPrev();
    }
    if (host.title == "-") {
      EXPECT_EQ(g_viewMode, c.mode);
      EXPECT_EQ(g_curGroup, c.group);
      return "-";
    }
    switch (g_viewMode) {
      case VIEW_POPULAR:
        return "popular";
      case VIEW_RECENT:
        return "recent";
      case VIEW_GROUP:
        break;
    }
    return "group" + std::to_string(g_curGroup);
  }
};

TEST_F(ViewCycleTest, EveryRowOfTheCycle) {
  const bool next = true;
  const bool prev = false;
  const CycleCase cases[] = {
      {0, 0, 3, VIEW_GROUP, 1, next, "group2"},
      {1, 1, 3, VIEW_GROUP, 2, next, "popular"},
      {1, 0, 3, VIEW_GROUP, 2, next, "popular"},
      {0, 1, 3, VIEW_GROUP, 2, next, "recent"},
      {0, 0, 3, VIEW_GROUP, 2, next, "group0"},
      {0, 0, 1, VIEW_GROUP, 0, next, "-"},
      {1, 1, 3, VIEW_POPULAR, 2, next, "recent"},
      {1, 0, 3, VIEW_POPULAR, 2, next, "group0"},
      {1, 1, 3, VIEW_RECENT, 2, next, "group0"},
      {0, 1, 3, VIEW_RECENT, 1, next, "group0"},
      {0, 0, 3, VIEW_GROUP, 2, prev, "group1"},
      {1, 1, 3, VIEW_GROUP, 0, prev, "recent"},
      {0, 1, 3, VIEW_GROUP, 0, prev, "recent"},
      {1, 0, 3, VIEW_GROUP, 0, prev, "popular"},
      {0, 0, 3, VIEW_GROUP, 0, prev, "group2"},
      {0, 0, 1, VIEW_GROUP, 0, prev, "-"},
      {1, 1, 3, VIEW_RECENT, 1, prev, "popular"},
      {0, 1, 3, VIEW_RECENT, 1, prev, "group2"},
      {1, 1, 3, VIEW_POPULAR, 0, prev, "group2"},
      {1, 0, 3, VIEW_POPULAR, 0, prev, "group2"},
      // A single group with an automatic view on still cycles.
      {1, 0, 1, VIEW_GROUP, 0, next, "popular"},
      {1, 0, 1, VIEW_POPULAR, 0, next, "group0"},
  };
  for (const CycleCase& c : cases) {
    EXPECT_EQ(Step(c), c.expected)
        << "popular " << c.popular << " recent " << c.recent << " groups " << c.groups << " mode "
        << int{c.mode} << " group " << c.group << (c.next ? " next" : " prev");
  }
}

TEST_F(ViewCycleTest, SwitchingToAnAutomaticViewKeepsTheGroupIndexAndTheSearch) {
  AddGroups(3);
  Add("a", 2);
  g_settings.popular = 1;
  g_curGroup = 2;
  view.OnChar('k');
  view.OnGroupNext();
  EXPECT_EQ(g_viewMode, VIEW_POPULAR);
  EXPECT_EQ(g_curGroup, 2);
  EXPECT_EQ(view.SearchText(), "K");
  EXPECT_EQ(host.title, "ALL > [K]");
}

TEST_F(ViewCycleTest, FullCyclesWithBothAutomaticViewsOn) {
  AddGroups(3);
  g_settings.popular = 1;
  g_settings.recent = 1;
  g_curGroup = 2;
  Strings titles;
  for (int i = 0; i < 3; ++i) {
    view.OnGroupNext();
    titles.push_back(host.title);
  }
  EXPECT_EQ(titles, (Strings{"（よく使うファイル） - VOSTEK", "（最近使ったファイル） - VOSTEK",
                             "グループ0 - VOSTEK"}));
  titles.clear();
  for (int i = 0; i < 3; ++i) {
    view.OnGroupPrev();
    titles.push_back(host.title);
  }
  EXPECT_EQ(titles, (Strings{"（最近使ったファイル） - VOSTEK", "（よく使うファイル） - VOSTEK",
                             "グループ2 - VOSTEK"}));
}

TEST_F(ViewCycleTest, WheelStepsOnlyWithTheMiddleButtonAndMarksTheSwitch) {
  AddGroups(3);
  g_curGroup = 1;
  EXPECT_FALSE(view.OnMouseWheel(false, 120));
  EXPECT_EQ(g_curGroup, 1);
  EXPECT_FALSE(view.WheelSwitched());
  EXPECT_TRUE(view.OnMouseWheel(true, 120));  // away from the user: previous
  EXPECT_EQ(g_curGroup, 0);
  EXPECT_TRUE(view.WheelSwitched());
  view.OnMouseWheel(true, 0);  // zero counts as toward the user: next
  EXPECT_EQ(g_curGroup, 1);
  view.OnMouseWheel(true, -120);
  EXPECT_EQ(g_curGroup, 2);

  // Marked even when the cycle has one member and nothing changed.
  while (data.GetGroupCount() > 1) {
    data.RemoveGroup(1);
  }
  g_curGroup = 0;
  view.OnMButtonUp();
  EXPECT_TRUE(view.OnMouseWheel(true, 120));
  EXPECT_TRUE(view.WheelSwitched());
}

}  // namespace
