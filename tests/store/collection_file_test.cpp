#include "store/collection_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "store_test_bytes.h"
#include "support/scoped_temp_dir.h"

namespace {

TEST(CollectionFileTest, MissingGivesTheDefaultAndGoodFilesLoad) {
  ScopedTempDir dir;
  const std::string path = dir.File("items.vkd");
  CollectionLoadResult missing = LoadCollectionFile(path);
  EXPECT_EQ(missing.status, CollectionStatus::Missing);
  EXPECT_EQ(missing.data->GetGroupCount(), 1);
  EXPECT_TRUE(missing.saveAllowed);
  EXPECT_TRUE(missing.message.empty());

  WriteTestFile(path, kTwoItemCollectionBytes);
  CollectionLoadResult loaded = LoadCollectionFile(path);
  EXPECT_EQ(loaded.status, CollectionStatus::Loaded);
  EXPECT_EQ(loaded.data->GetItemCount(), 2);
  EXPECT_TRUE(loaded.saveAllowed);

  // A file without groups keeps its items and gains the default group.
  WriteTestFile(path, HexBytes("00 00 01 00 ff ff 01 00 0a 00") + "VostekItem" +
                          kTwoItemCollectionBytes.substr(39, 51));
  CollectionLoadResult groupless = LoadCollectionFile(path);
  EXPECT_EQ(groupless.status, CollectionStatus::Loaded);
  EXPECT_EQ(groupless.data->GetGroupCount(), 1);
  EXPECT_EQ(groupless.data->GetItemCount(), 1);
}

TEST(CollectionFileTest, DamagedFilesAreMovedAsideWithNumbers) {
  ScopedTempDir dir;
  ScopedCurrentDir here(dir.Path());
  const std::string damaged[] = {"", kDefaultCollectionBytes + "\n",
                                 kTwoItemCollectionBytes.substr(0, 60)};
  const std::string expectedNames[] = {"items.vkd.broken", "items.vkd.broken.1",
                                       "items.vkd.broken.2"};
  for (int i = 0; i < 3; ++i) {
    WriteTestFile("items.vkd", damaged[i]);
    CollectionLoadResult result = LoadCollectionFile("items.vkd");
    EXPECT_EQ(result.status, CollectionStatus::Damaged);
    EXPECT_EQ(result.movedTo, expectedNames[i]);
    EXPECT_TRUE(result.saveAllowed);
    EXPECT_EQ(result.message, "items.vkd を読み込めませんでした。元のファイルは " +
                                  expectedNames[i] +
                                  " に移してあります。\n新しい空のコレクションで起動します。");
    EXPECT_EQ(result.data->GetGroupName(0), "グループ0");
    EXPECT_FALSE(TestFileExists("items.vkd"));
    EXPECT_EQ(ReadTestFile(expectedNames[i]), damaged[i]);
  }
}

TEST(CollectionFileTest, FilesThatCannotBeReadOrMovedAreLeftAndNotToBeSaved) {
  ScopedTempDir dir;
  const std::string folder = dir.File("items.vkd");
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  CollectionLoadResult unreadable = LoadCollectionFile(folder);
  EXPECT_EQ(unreadable.status, CollectionStatus::Unreadable);
  EXPECT_FALSE(unreadable.saveAllowed);
  EXPECT_NE(unreadable.message.find(folder + " を開けませんでした"), std::string::npos);
  const std::string pipe = dir.File("pipe.vkd");  // would block a plain open
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(LoadCollectionFile(pipe).status, CollectionStatus::Unreadable);

  // "<name>.broken" is longer than a file name may be, so the file cannot move.
  const std::string longName = dir.File(std::string(250, 'v'));
  WriteTestFile(longName, "damaged");
  CollectionLoadResult kept = LoadCollectionFile(longName);
  EXPECT_EQ(kept.status, CollectionStatus::Damaged);
  EXPECT_TRUE(kept.movedTo.empty());
  EXPECT_FALSE(kept.saveAllowed);
  EXPECT_NE(kept.message.find("そのまま残してあります"), std::string::npos);
  EXPECT_EQ(ReadTestFile(longName), "damaged");
}

}  // namespace
