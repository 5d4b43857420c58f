#include <cstdint>
#include <string>
#include <vector>

#include "view/view_fakes.h"

namespace {

using Strings = std::vector<std::string>;

class ItemReorderTest : public ViewTest {
 protected:
  // The group shown with rows named after `names`, orders 0, 1, ...
  void ShowGroup(const Strings& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      Add(names[i], 0, static_cast<std::uint32_t>(i));
    }
    view.RefreshList();
  }
  std::uint32_t OrderOf(const std::string& name) const {
    for (int i = 0; i < data.GetItemCount(); ++i) {
      if (data.GetItem(i)->GetName() == name) {
        return data.GetItem(i)->GetOrder();
      }
    }
    ADD_FAILURE() << name;
    return 0;
  }
  Strings RowItemNames() const {
    Strings names;
    for (const auto& row : list.rows) {
      names.push_back(row.item->GetName());
    }
    return names;
  }
  // The rows shown now are what a fresh refresh would show.
  void ExpectRefreshAgrees() {
    const Strings before = list.Texts();
    view.RefreshList();
    EXPECT_EQ(list.Texts(), before);
  }
};

TEST_F(ItemReorderTest, UpWithGapsBetweenSelectedRows) {
  ShowGroup({"A", "B", "C", "D"});
  list.Select({1, 3});
  view.OnItemUp();
  EXPECT_EQ(list.Texts(), (Strings{"B", "D", "A", "C"}));
  EXPECT_EQ(RowItemNames(), list.Texts());
  EXPECT_EQ((std::vector<std::uint32_t>{OrderOf("B"), OrderOf("D"), OrderOf("A"), OrderOf("C")}),
            (std::vector<std::uint32_t>{0, 1, 2, 3}));
  EXPECT_EQ(list.Selected(), (std::vector<int>{0, 1}));
  EXPECT_EQ(list.Focused(), 0);
  EXPECT_EQ(list.ensuredVisible, (std::vector<int>{0}));
  ExpectRefreshAgrees();
}

TEST_F(ItemReorderTest, UpWithFirstRowSelectedKeepsItAndClosesUpTheNext) {
  ShowGroup({"A", "B", "C", "D"});
  list.Select({0, 2});
  list.SetItemState(2, LVIS_FOCUSED, LVIS_FOCUSED);
  view.OnItemUp();
  EXPECT_EQ(list.Texts(), (Strings{"A", "C", "B", "D"}));
  EXPECT_EQ(OrderOf("A"), 0U);
  EXPECT_EQ(OrderOf("C"), 1U);
  EXPECT_EQ(OrderOf("B"), 2U);
  EXPECT_EQ(OrderOf("D"), 3U);
  EXPECT_EQ(list.Selected(), (std::vector<int>{0, 1}));
  // A stayed, so nothing took the focus: it is not on a row the move created.
  EXPECT_EQ(list.Focused(), -1);
  EXPECT_EQ(list.ensuredVisible, (std::vector<int>{0}));
  ExpectRefreshAgrees();
}

TEST_F(ItemReorderTest, UpLaterRowRisesToDirectlyBelowThePreviousSelected) {
  ShowGroup({"A", "B", "C", "D", "E", "F"});
  list.Select({1, 4});
  view.OnItemUp();
  EXPECT_EQ(list.Texts(), (Strings{"B", "E", "A", "C", "D", "F"}));
  EXPECT_EQ(list.Selected(), (std::vector<int>{0, 1}));
  EXPECT_EQ(list.Focused(), 0);
  ExpectRefreshAgrees();
}

TEST_F(ItemReorderTest, UpBlockAtTheTopStays) {
  ShowGroup({"A", "B", "C"});
  list.Select({0, 1});
  view.OnItemUp();
  EXPECT_EQ(list.Texts(), (Strings{"A", "B", "C"}));
  EXPECT_EQ(OrderOf("A"), 0U);
  EXPECT_EQ(OrderOf("B"), 1U);
  EXPECT_EQ(OrderOf("C"), 2U);
  EXPECT_EQ(list.Selected(), (std::vector<int>{0, 1}));
}

TEST_F(ItemReorderTest, DownWithLastRowSelectedMovesNothing) {
  ShowGroup({"A", "B", "C", "D"});
  list.Select({2, 3});
  view.OnItemDown();
  EXPECT_EQ(list.Texts(), (Strings{"A", "B", "C", "D"}));
  EXPECT_EQ((std::vector<std::uint32_t>{OrderOf("A"), OrderOf("B"), OrderOf("C"), OrderOf("D")}),
            (std::vector<std::uint32_t>{0, 1, 2, 3}));
  EXPECT_EQ(list.Selected(), (std::vector<int>{2, 3}));
  EXPECT_EQ(list.ensuredVisible, (std::vector<int>{3}));
}

TEST_F(ItemReorderTest, DownWithGapsBetweenSelectedRows) {
  ShowGroup({"A", "B", "C", "D"});
  list.Select({0, 2});
  view.OnItemDown();
  EXPECT_EQ(list.Texts(), (Strings{"B", "D", "A", "C"}));
  EXPECT_EQ(RowItemNames(), list.Texts());
  EXPECT_EQ((std::vector<std::uint32_t>{OrderOf("B"), OrderOf("D"), OrderOf("A"), OrderOf("C")}),
            (std::vector<std::uint32_t>{0, 1, 2, 3}));
  EXPECT_EQ(list.Selected(), (std::vector<int>{2, 3}));
  EXPECT_EQ(list.Focused(), 3);
  // The row the last selected one had before the move.
  EXPECT_EQ(list.ensuredVisible, (std::vector<int>{2}));
  ExpectRefreshAgrees();
}

TEST_F(ItemReorderTest, DownWithLastRowSelectedSinksTheOtherToDirectlyAboveIt) {
  ShowGroup({"A", "B", "C", "D"});
  list.Select({1, 3});
  view.OnItemDown();
  EXPECT_EQ(list.Texts(), (Strings{"A", "C", "B", "D"}));
  EXPECT_EQ(OrderOf("A"), 0U);
  EXPECT_EQ(OrderOf("C"), 1U);
  EXPECT_EQ(OrderOf("B"), 2U);
  EXPECT_EQ(OrderOf("D"), 3U);
  EXPECT_EQ(list.Selected(), (std::vector<int>{2, 3}));
  ExpectRefreshAgrees();
}

TEST_F(ItemReorderTest, SingleRowUpThenDownRestoresSequenceAndOrders) {
  ShowGroup({"A", "B", "C"});
  list.Select({2});
  view.OnItemUp();
  EXPECT_EQ(list.Texts(), (Strings{"A", "C", "B"}));
  EXPECT_EQ(list.Focused(), 1);
  view.OnItemDown();
  EXPECT_EQ(list.Texts(), (Strings{"A", "B", "C"}));
  EXPECT_EQ(list.Selected(), (std::vector<int>{2}));
  EXPECT_EQ(list.Focused(), 2);
  EXPECT_EQ(OrderOf("A"), 0U);
  EXPECT_EQ(OrderOf("B"), 1U);
  EXPECT_EQ(OrderOf("C"), 2U);
}

TEST_F(ItemReorderTest, OrdersWrapAroundAtTheEndsOfTheirRange) {
  Add("A", 0, 0);
  Add("B", 0, 0);  // same order: shown after A by collection order
  view.RefreshList();
  list.Select({0});
  view.OnItemUp();  // already at the top: nothing moves
  list.Select({1});
  view.OnItemUp();
  EXPECT_EQ(list.Texts(), (Strings{"B", "A"}));
  EXPECT_EQ(OrderOf("B"), UINT32_MAX);  // 0 - 1
  EXPECT_EQ(OrderOf("A"), 0U);

  data.GetItem(0)->SetOrder(UINT32_MAX);  // A
  data.GetItem(1)->SetOrder(UINT32_MAX);  // B
  view.RefreshList();
  EXPECT_EQ(list.Texts(), (Strings{"A", "B"}));
  list.Select({0});
  view.OnItemDown();
  EXPECT_EQ(list.Texts(), (Strings{"B", "A"}));
  EXPECT_EQ(OrderOf("A"), 0U);  // UINT32_MAX + 1
  EXPECT_EQ(OrderOf("B"), UINT32_MAX);
}

TEST_F(ItemReorderTest, RefusedOutsideTheGroupViewAndWithoutSelection) {
  g_settings.popular = 1;
  Add("A", 0, 0, 2);
  Add("B", 0, 1, 1);
  g_viewMode = VIEW_POPULAR;
  view.RefreshList();
  list.Select({1});
  view.OnItemUp();
  view.OnItemDown();
  EXPECT_EQ(list.Texts(), (Strings{"A", "B"}));
  EXPECT_EQ(OrderOf("A"), 0U);
  EXPECT_EQ(OrderOf("B"), 1U);

  g_viewMode = VIEW_GROUP;
  view.RefreshList();
  list.Select({});
  view.OnItemUp();
  view.OnItemDown();
  EXPECT_EQ(list.Texts(), (Strings{"A", "B"}));
  EXPECT_TRUE(list.ensuredVisible.empty());
}

}  // namespace
