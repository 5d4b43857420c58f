#include "store/collection_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "store_test_bytes.h"
#include "support/scoped_temp_dir.h"

namespace {

TEST(CollectionFileTest, MissingGivesTheDefaultAndGoodFilesLoad) {
  ScopedTempDir dir;
  const std::string path = dir.File("items.vkd");
  CollectionLoadResult missing = LoadCollectionFile(path);
  EXPECT_EQ(missing.status, CollectionStatus::Missing);
  EXPECT_EQ(missing.data->GetGroupCount(), 1);
  EXPECT_EQ(missing.savePath, path);
  EXPECT_TRUE(missing.message.empty());

  WriteTestFile(path, kTwoItemCollectionBytes);
  CollectionLoadResult loaded = LoadCollectionFile(path);
  EXPECT_EQ(loaded.status, CollectionStatus::Loaded);
  EXPECT_EQ(loaded.data->GetItemCount(), 2);
  EXPECT_EQ(loaded.savePath, path);

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
    EXPECT_EQ(result.savePath, "items.vkd");
    EXPECT_EQ(result.message, "items.vkd を読み込めませんでした。元のファイルは " +
                                  expectedNames[i] +
                                  " に移してあります。\n新しい空のコレクションで起動します。");
    EXPECT_EQ(result.data->GetGroupName(0), "グループ0");
    EXPECT_FALSE(TestFileExists("items.vkd"));
    EXPECT_EQ(ReadTestFile(expectedNames[i]), damaged[i]);
  }
}

// Whatever sits at the path that we cannot read, or a link into a missing folder, stays
// as it is; the session saves beside it, under a name nothing has yet. A link to a
// missing file in a folder that exists saves through the link.
TEST(CollectionFileTest, WhatCannotBeReadOrReplacedStaysAndTheSessionSavesBesideIt) {
  ScopedTempDir dir;
  ScopedCurrentDir here(dir.Path());
  ASSERT_EQ(::mkdir("folder", 0700), 0);
  ASSERT_EQ(::mkfifo("pipe", 0600), 0);  // would block a plain open
  // "<name>.broken" is longer than a file name may be, so the file cannot move.
  const std::string longName(250, 'v');
  WriteTestFile(longName, "damaged");
  ASSERT_EQ(::symlink("folder/items.vkd", "link"), 0);
  ASSERT_EQ(::symlink("gone/items.vkd", "far link"), 0);
  WriteTestFile("far link.unsaved", "an earlier session's");
  ASSERT_EQ(::symlink("loop", "loop"), 0);

  struct Case {
    std::string path;
    CollectionStatus status;
    std::string savePath;
    std::string inMessage;
  };
  const Case cases[] = {
      {"folder", CollectionStatus::Unreadable, "folder.unsaved",
       "folder を開けませんでした（" + std::string(std::strerror(EISDIR)) +
           "）。ファイルには手を付けていません。\n新しい空のコレクションで起動します。folder "
           "は上書きせず、この間の変更は folder.unsaved に保存します。"},
      {"pipe", CollectionStatus::Unreadable, "pipe.unsaved", "pipe.unsaved に保存します"},
      {"loop", CollectionStatus::Unreadable, "loop.unsaved", "loop.unsaved に保存します"},
      {longName, CollectionStatus::Damaged, longName + ".unsaved", "そのまま残してあります"},
      {"link", CollectionStatus::Dangling, "link",
       "link はリンクですが、リンク先の ./folder/items.vkd がありません。"},
      {"far link", CollectionStatus::Dangling, "far link.unsaved.1",
       "もそのフォルダーもありません。リンクはそのまま残します。\n新しい空のコレクションで起動"
       "します。この間の変更は far link.unsaved.1 に保存します。"},
  };
  for (const Case& c : cases) {
    const CollectionLoadResult result = LoadCollectionFile(c.path);
    EXPECT_EQ(result.status, c.status) << c.path;
    EXPECT_EQ(result.savePath, c.savePath);
    EXPECT_NE(result.message.find(c.inMessage), std::string::npos) << result.message;
    EXPECT_EQ(result.data->GetGroupCount(), 1);
  }
  EXPECT_EQ(ReadTestFile(longName), "damaged");
  EXPECT_EQ(::access("link", F_OK), -1);  // still dangling: loading makes nothing
  std::string error;
  ASSERT_TRUE(SaveCollectionFile("link", *LoadCollectionFile("link").data, &error)) << error;
  EXPECT_EQ(ReadTestFile("folder/items.vkd"), kDefaultCollectionBytes);
}

}  // namespace
