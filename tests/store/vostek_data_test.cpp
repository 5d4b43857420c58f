#include "store/vostek_data.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "store/invalid_arg.h"
#include "support/test_globals.h"

namespace {

std::vector<std::string> GroupNames(const VostekData& data) {
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(data.GetGroupCount()));
  for (int i = 0; i < data.GetGroupCount(); ++i) {
    names.push_back(data.GetGroupName(i));
  }
  return names;
}

TEST(VostekDataTest, ItemsAreAddedFoundAndHandedBack) {
  VostekData data;
  EXPECT_EQ(data.GetGroupCount(), 0);  // no default until asked
  EXPECT_TRUE(data.IsEmpty());
  VostekItem* a = AppendItem(data, "a", 0);
  VostekItem* b = AppendItem(data, "b", 0);
  VostekItem* c = AppendItem(data, "c", 0);
  EXPECT_EQ(data.FindItem(b), 1);
  VostekItem stranger;
  EXPECT_EQ(data.FindItem(&stranger), -1);
  EXPECT_EQ(data.FindItem(nullptr), -1);

  std::unique_ptr<VostekItem> taken = data.RemoveItemAt(1);
  EXPECT_EQ(taken.get(), b);
  EXPECT_EQ(taken->GetName(), "b");
  EXPECT_EQ(data.GetItem(0), a);
  EXPECT_EQ(data.GetItem(1), c);
  EXPECT_EQ(data.FindItem(b), -1);
}

TEST(VostekDataTest, BadIndexesThrowAndChangeNothing) {
  VostekData data;
  data.InitDefault();
  AppendItem(data, "a", 0);
  EXPECT_THROW(data.GetItem(1), InvalidArgException);
  EXPECT_THROW(data.GetItem(-1), InvalidArgException);
  EXPECT_THROW(data.RemoveItemAt(1), InvalidArgException);
  EXPECT_THROW(data.GetGroupName(1), InvalidArgException);
  EXPECT_THROW(data.SetGroupName(-1, "x"), InvalidArgException);
  EXPECT_THROW(data.RemoveGroup(1), InvalidArgException);
  EXPECT_THROW(data.RemoveGroup(-1), InvalidArgException);
  EXPECT_EQ(data.GetItemCount(), 1);
  EXPECT_EQ(GroupNames(data), std::vector<std::string>{"グループ0"});
}

TEST(VostekDataTest, GroupsChangeByNameAndIndexOnly) {
  VostekData data;
  data.AddGroup("old");
  data.InitDefault();  // replaces whatever was there
  EXPECT_EQ(GroupNames(data), std::vector<std::string>{"グループ0"});
  data.RemoveGroup(0);  // never the only group
  EXPECT_EQ(data.GetGroupCount(), 1);

  data.AddGroup("one");
  data.AddGroup("two");
  data.SetGroupName(2, "zwei");
  VostekItem* item = AppendItem(data, "in two", 2);
  data.RemoveGroup(1);
  EXPECT_EQ(GroupNames(data), (std::vector<std::string>{"グループ0", "zwei"}));
  EXPECT_EQ(item->GetGroup(), 2);  // the caller renumbers items, not the collection
  data.RemoveGroup(0);             // with two groups, the first can go
  EXPECT_EQ(GroupNames(data), std::vector<std::string>{"zwei"});
}

}  // namespace

namespace {

// Every change of what the file holds moves the content generation, so that a save
// after a change is never skipped as unchanged; the icon index is not in the file.
TEST(VostekDataTest, EveryChangeToTheFileContentMovesTheContentGeneration) {
  VostekData data;
  data.InitDefault();
  VostekItem* item = AppendItem(data, "a", 0);
  data.AddGroup("b");
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"InitDefault", [&] { data.InitDefault(); }},
      {"AddGroup", [&] { data.AddGroup("c"); }},
      {"SetGroupName", [&] { data.SetGroupName(0, "d"); }},
      {"RemoveGroup", [&] { data.RemoveGroup(1); }},
      {"AppendItem", [&] { AppendItem(data, "e", 0); }},
      {"SetName", [&] { item->SetName("f"); }},
      {"SetGroup", [&] { item->SetGroup(0); }},
      {"SetOrder", [&] { item->SetOrder(3); }},
      {"RecordLaunch", [&] { item->RecordLaunch(100); }},
      {"RemoveItemAt", [&] { data.RemoveItemAt(1); }},
  };
  for (const auto& [name, change] : changes) {
    const std::uint64_t before = ContentGeneration();
    change();
    EXPECT_NE(ContentGeneration(), before) << name;
  }
  const std::uint64_t before = ContentGeneration();
  item->SetIcon(5);
  EXPECT_EQ(ContentGeneration(), before);
}

}  // namespace
