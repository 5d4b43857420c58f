#include "view/id_list_array.h"

#include <gtest/gtest.h>

#include <string>

#include "store/store_test_bytes.h"

namespace {

// Parent "01 02" (one item of cb 4) at 16, children at 22 and 29.
const std::string kTwoObjects = HexBytes(
    "02 00 00 00  10 00 00 00  16 00 00 00  1d 00 00 00"
    "04 00 01 02 00 00  05 00 61 62 63 00 00  03 00 7a 00 00");

TEST(IdListArrayTest, WholeArraysGiveEveryObjectAndDamagedOnesNothing) {
  const std::vector<DroppedObject> objects = DroppedObjectsFromIdListArray(kTwoObjects);
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(objects[0].parent.get()), 6),
            HexBytes("04 00 01 02 00 00"));
  EXPECT_EQ(GetIdListSize(objects[0].child.get()), 7u);
  EXPECT_EQ(GetIdListSize(objects[1].child.get()), 5u);

  std::string childOutside = kTwoObjects;
  childOutside[12] = 0x7f;
  std::string itemOverruns = kTwoObjects;
  itemOverruns[29] = 0x09;  // the last child's cb reaches past the block
  std::string itemTooShort = kTwoObjects;
  itemTooShort[22] = 0x01;
  std::string hugeCount = kTwoObjects;
  hugeCount[3] = 0x40;
  const std::string damaged[] = {
      "",
      kTwoObjects.substr(0, 6),                       // no parent offset
      kTwoObjects.substr(0, 12),                      // an object's offset missing
      kTwoObjects.substr(0, kTwoObjects.size() - 1),  // the last terminator cut short
      childOutside,
      itemOverruns,
      itemTooShort,
      hugeCount,
  };
  for (const std::string& block : damaged) {
    EXPECT_TRUE(DroppedObjectsFromIdListArray(block).empty()) << block.size();
  }
  // No objects at all is a whole array too, and gives nothing to add.
  EXPECT_TRUE(DroppedObjectsFromIdListArray(HexBytes("00 00 00 00 08 00 00 00 00 00")).empty());
}

}  // namespace
