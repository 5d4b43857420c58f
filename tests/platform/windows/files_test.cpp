// The core's file operations as Windows does them: UTF-8 names, the same refusals and
// the same safe-save rules as elsewhere.

#include <windows.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "platform/windows/files/windows_files.h"
#include "platform/windows/wide_text.h"
#include "store/collection_file.h"
#include "store/whole_file.h"
#include "support/scoped_temp_dir.h"

namespace {

std::size_t FilesIn(const std::string& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(WideFromUtf8(folder)))) {
    ++count;
  }
  return count;
}

TEST(WindowsFilesTest, ReadWholeFileTakesRegularFilesOnly) {
  ScopedTempDir dir;
  const std::string named = dir.File("名前 'x'.txt");
  ASSERT_TRUE(WriteFileAtomically(named, "content", nullptr));
  struct Case {
    std::string path;
    std::size_t maxBytes;
    int expected;
  };
  const Case cases[] = {
      {named, 100, 0},
      {named, 6, EFBIG},
      {dir.File("missing"), 100, ENOENT},
      {dir.File("no folder/missing"), 100, ENOENT},
      {dir.Path(), 100, EISDIR},
      {"NUL", 100, EINVAL},  // a device would never end
  };
  for (const Case& c : cases) {
    std::string bytes;
    EXPECT_EQ(ReadWholeFile(c.path, &bytes, c.maxBytes), c.expected) << c.path;
    if (c.expected == 0) {
      EXPECT_EQ(bytes, "content");
    }
  }
}

TEST(WindowsFilesTest, SavingReplacesWholeOrLeavesTheOldFile) {
  ScopedTempDir dir;
  const std::string path = dir.File("items.vkd");
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, "first", &error)) << error;
  ASSERT_TRUE(WriteFileAtomically(path, "second", &error)) << error;
  std::string bytes;
  ASSERT_EQ(ReadWholeFile(path, &bytes), 0);
  EXPECT_EQ(bytes, "second");
  EXPECT_EQ(FilesIn(dir.Path()), 1u);  // no temporary file left behind

  // A folder in the way cannot be replaced: the save fails with the system's text,
  // the folder stays, and no temporary file is left beside it.
  const std::string folder = dir.File("setting.ini");
  ASSERT_TRUE(::CreateDirectoryW(WideFromUtf8(folder).c_str(), nullptr));
  EXPECT_FALSE(WriteFileAtomically(folder, "third", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadWholeFile(folder, &bytes), EISDIR);
  EXPECT_EQ(FilesIn(dir.Path()), 2u);

  error.clear();
  EXPECT_FALSE(WriteFileAtomically(dir.File("no folder/items.vkd"), "x", &error));
  EXPECT_FALSE(error.empty());

  // What a killed save left behind goes at the next start; other files stay.
  const std::string stale = path + ".tmp-12-3";
  const std::string other = path + ".tmp-notours";
  ASSERT_TRUE(WriteFileAtomically(stale, "half", nullptr));
  ASSERT_TRUE(WriteFileAtomically(other, "keep", nullptr));
  RemoveStaleTemporaries(path);
  EXPECT_EQ(ReadWholeFile(stale, &bytes), ENOENT);
  EXPECT_EQ(ReadWholeFile(other, &bytes), 0);
  EXPECT_EQ(ReadWholeFile(path, &bytes), 0);
}

TEST(WindowsFilesTest, DamagedCollectionsMoveAsideUnderFreeNames) {
  ScopedTempDir dir;
  const std::string path = dir.File("アイテム.vkd");
  for (const char* expected : {".broken", ".broken.1"}) {
    ASSERT_TRUE(WriteFileAtomically(path, "damaged", nullptr));
    const CollectionLoadResult result = LoadCollectionFile(path);
    EXPECT_EQ(result.status, CollectionStatus::Damaged);
    EXPECT_EQ(result.movedTo, path + expected);
    EXPECT_FALSE(result.SavesAside(path));
    std::string bytes;
    EXPECT_EQ(ReadWholeFile(result.movedTo, &bytes), 0);
    EXPECT_EQ(bytes, "damaged");
  }
  EXPECT_EQ(LoadCollectionFile(dir.Path()).status, CollectionStatus::Unreadable);
}

TEST(WindowsFilesTest, OlderCollectionsAreKeptAsFoundUnderFreeNames) {
  ScopedTempDir dir;
  const std::string path = dir.File("アイテム.vkd");
  // One group, "グループ0" in code page 932, and no items.
  const std::string older("\x01\x00\x09\x83\x4f\x83\x8b\x81\x5b\x83\x76\x30\x00\x00", 14);
  ASSERT_TRUE(WriteFileAtomically(path, older, nullptr));
  for (const char* expected : {".cp932", ".cp932.1"}) {
    const CollectionLoadResult result = LoadCollectionFile(path);
    EXPECT_EQ(result.status, CollectionStatus::Converted);
    EXPECT_EQ(result.data->GetGroupName(0), "グループ0");
    EXPECT_EQ(result.keptAs, path + expected);
    EXPECT_NE(result.message.find(result.keptAs), std::string::npos);
    EXPECT_FALSE(result.SavesAside(path));
    std::string bytes;
    EXPECT_EQ(ReadWholeFile(result.keptAs, &bytes), 0);
    EXPECT_EQ(bytes, older);
  }
}

}  // namespace
