#include "store/containing_folder.h"

#include <gtest/gtest.h>

namespace {

TEST(ContainingFolderTest, DropsTheLastComponent) {
  EXPECT_EQ(ContainingFolder("/data/report.doc"), "/data");
  EXPECT_EQ(ContainingFolder("/data"), "/");
  EXPECT_EQ(ContainingFolder("/"), "/");
  EXPECT_EQ(ContainingFolder("items.vkd"), ".");  // a bare name lives in the current folder
}

}  // namespace
