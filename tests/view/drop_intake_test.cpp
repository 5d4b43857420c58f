#include <string>
#include <vector>

#include "view/view_fakes.h"

namespace {

using Strings = std::vector<std::string>;

class DropIntakeTest : public ViewTest {
 protected:
  // Objects as the front end makes them from three local files in one folder.
  static std::vector<DroppedObject> Objects(int count) {
    std::vector<DroppedObject> objects;
    for (int i = 0; i < count; ++i) {
      static constexpr std::uint8_t kRoot[] = {0, 0};
      static constexpr std::uint8_t kChild[] = {4, 0, 1, 'a', 0, 0};
      objects.push_back({IdListPtr(CopyIdList(kRoot, sizeof kRoot)),
                         IdListPtr(CopyIdList(kChild, sizeof kChild))});
    }
    return objects;
  }
  FakeImageList images;
};

TEST_F(DropIntakeTest, ThreeObjectsAppendSelectedRowsAndRevealTheLast) {
  Add("A", 0, 0);
  Add("B", 0, 1);
  view.RefreshList();
  const std::vector<DroppedObject> objects = Objects(3);
  EXPECT_TRUE(view.OnDrop(objects, images));
  EXPECT_EQ(list.Texts(), (Strings{"A", "B", "dropped0", "dropped1", "dropped2"}));
  for (int row = 2; row < 5; ++row) {
    EXPECT_EQ(list.rows[row].item, data.GetItem(row)) << row;
    EXPECT_EQ(data.GetItem(row)->GetOrder(), static_cast<std::uint32_t>(row)) << row;
  }
  EXPECT_EQ(list.Selected(), (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(list.Focused(), 4);
  EXPECT_EQ(list.ensuredVisible, (std::vector<int>{4}));
  EXPECT_EQ(host.bringToFrontCount, 1);
  EXPECT_EQ(images.added, 3);
  EXPECT_EQ(list.rows[4].image, 2);  // the icon the new item got
}

TEST_F(DropIntakeTest, DropOntoAnAutomaticViewSwitchesToTheShownGroupFirst) {
  data.AddGroup("g1");
  g_settings.popular = 1;
  Add("launched", 0, 0, 3, 1);
  Add("member", 1, 0);
  g_curGroup = 1;
  g_viewMode = VIEW_POPULAR;
  view.RefreshList();
  EXPECT_TRUE(view.OnDrop(Objects(1), images));
  EXPECT_EQ(g_viewMode, VIEW_GROUP);
  EXPECT_EQ(host.title, "g1 - VOSTEK");
  EXPECT_EQ(list.Texts(), (Strings{"member", "dropped0"}));
  EXPECT_EQ(data.GetItem(2)->GetGroup(), 1);
  EXPECT_EQ(list.Selected(), (std::vector<int>{1}));
}

TEST_F(DropIntakeTest, NewRowsShowEvenWhenTheSearchWouldHideThem) {
  Add("A", 0, 0);
  view.OnChar('q');  // nothing matches without a dictionary
  EXPECT_TRUE(list.rows.empty());
  EXPECT_TRUE(view.OnDrop(Objects(2), images));
  EXPECT_EQ(list.Texts(), (Strings{"dropped0", "dropped1"}));
  EXPECT_EQ(list.Focused(), 1);
}

TEST_F(DropIntakeTest, TheSameObjectTwiceGivesTwoItemsWithConsecutiveOrders) {
  std::vector<DroppedObject> objects = Objects(1);
  view.OnDrop(objects, images);
  view.OnDrop(objects, images);
  ASSERT_EQ(data.GetItemCount(), 2);
  EXPECT_EQ(data.GetItem(0)->GetOrder(), 0U);
  EXPECT_EQ(data.GetItem(1)->GetOrder(), 1U);
  EXPECT_EQ(list.Selected(), (std::vector<int>{1}));  // the earlier drop's row is deselected
}

TEST_F(DropIntakeTest, NothingToTakeChangesNothing) {
  g_settings.popular = 1;
  Add("A", 0, 0, 1, 1);
  g_viewMode = VIEW_POPULAR;
  view.RefreshList();
  EXPECT_FALSE(view.OnDrop({}, images));
  EXPECT_EQ(g_viewMode, VIEW_POPULAR);
  EXPECT_EQ(list.Selected(), (std::vector<int>{0}));
  EXPECT_EQ(data.GetItemCount(), 1);
  EXPECT_EQ(host.bringToFrontCount, 0);
}

}  // namespace
