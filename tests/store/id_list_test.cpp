#include "store/id_list.h"

#include <gtest/gtest.h>

#include "store_test_bytes.h"

namespace {

std::string ListBytes(const IdList* list) {
  return {reinterpret_cast<const char*>(list), GetIdListSize(list)};
}

TEST(IdListTest, SizeWalksTheItems) {
  EXPECT_EQ(GetIdListSize(nullptr), 0u);
  const std::string empty = HexBytes("00 00");
  EXPECT_EQ(GetIdListSize(Raw(empty)), 2u);
  std::string twoItems(36, '\0');
  twoItems[0] = 20;
  twoItems[20] = 14;
  EXPECT_EQ(GetIdListSize(Raw(twoItems)), 36u);
  EXPECT_EQ(GetIdListSize(Raw(HomeATxtIdList())), 17u);
}

TEST(IdListTest, ConcatDropsTheParentsTerminator) {
  const std::string root = HexBytes("00 00");
  const std::string home = HexBytes("07 00 01 68 6f 6d 65 00 00");
  const std::string child = HexBytes("08 00 01 61 2e 74 78 74 00 00");
  EXPECT_EQ(ConcatIdLists(nullptr, Raw(child)), nullptr);
  EXPECT_EQ(ConcatIdLists(Raw(home), nullptr), nullptr);

  IdListPtr joined(ConcatIdLists(Raw(home), Raw(child)));
  EXPECT_EQ(ListBytes(joined.get()), HomeATxtIdList());
  IdListPtr fromRoot(ConcatIdLists(Raw(root), Raw(child)));
  EXPECT_EQ(ListBytes(fromRoot.get()), child);

  CountingAllocator allocator;
  allocator.refuse = true;
  EXPECT_EQ(ConcatIdLists(Raw(home), Raw(child)), nullptr);
}

TEST(IdListTest, WellFormedMeansItemsInsideAndTerminatorLast) {
  EXPECT_TRUE(IsWellFormedIdList(Raw(HexBytes("00 00")), 2));
  EXPECT_TRUE(IsWellFormedIdList(Raw(HomeATxtIdList()), 17));
  EXPECT_TRUE(IsWellFormedIdList(Raw(HexBytes("02 00 00 00")), 4));
  for (const char* hex : {
           "", "00",
           "00 00 00",        // bytes after the terminator
           "07 00 01 68",     // an item past the end
           "04 00 01 68",     // no terminator
           "04 00 01 68 00",  // half a terminator
           "01 00 00 00",     // a count below its own size
           "ff ff 00 00",     // a count far past the end
       }) {
    const std::string bytes = HexBytes(hex);
    EXPECT_FALSE(IsWellFormedIdList(Raw(bytes), bytes.size())) << hex;
  }
}

}  // namespace
