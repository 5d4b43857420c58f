#include "store/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "support/scoped_temp_dir.h"

namespace {

TEST(AtomicFileTest, ReplacesWholeAndKeepsPermissions) {
  ScopedTempDir dir;
  ScopedCurrentDir here(dir.Path());
  std::string error;
  ASSERT_TRUE(WriteFileAtomically("plain name", "first", &error)) << error;
  ASSERT_EQ(::chmod("plain name", 0600), 0);
  const std::string big(1 << 20, '\x7f');
  ASSERT_TRUE(WriteFileAtomically("plain name", big, &error)) << error;
  EXPECT_EQ(ReadTestFile("plain name"), big);
  EXPECT_FALSE(TestFileExists("plain name.tmp"));
  struct stat info {};
  ASSERT_EQ(::stat("plain name", &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(AtomicFileTest, ALinkStaysAndItsTargetGetsTheBytes) {
  ScopedTempDir dir;
  ASSERT_EQ(::mkdir(dir.File("dotfiles").c_str(), 0700), 0);
  const std::string target = dir.File("dotfiles/setting.ini");
  WriteTestFile(target, "old");
  const std::string link = dir.File("setting.ini");
  ASSERT_EQ(::symlink("dotfiles/setting.ini", link.c_str()), 0);
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(link, "new", &error)) << error;
  struct stat info {};
  ASSERT_EQ(::lstat(link.c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_EQ(ReadTestFile(target), "new");
  EXPECT_FALSE(TestFileExists(link + ".tmp"));
}

TEST(AtomicFileTest, FailuresLeaveTheOldFileAndSayWhy) {
  ScopedTempDir dir;
  const std::string path = dir.File("items.vkd");
  WriteTestFile(path, "old");
  std::string error;

  ASSERT_EQ(::mkdir((path + ".tmp").c_str(), 0700), 0);
  EXPECT_FALSE(WriteFileAtomically(path, "new", &error));
  EXPECT_EQ(error, std::strerror(EISDIR));
  EXPECT_EQ(ReadTestFile(path), "old");

  EXPECT_FALSE(WriteFileAtomically(dir.File("gone/items.vkd"), "new", &error));
  EXPECT_EQ(error, std::strerror(ENOENT));

  // The rename fails (a folder sits at the path): the written temporary goes away.
  const std::string folder = dir.File("folder");
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  ASSERT_EQ(::mkdir((folder + "/inside").c_str(), 0700), 0);
  EXPECT_FALSE(WriteFileAtomically(folder, "new", &error));
  EXPECT_FALSE(TestFileExists(folder + ".tmp"));
  EXPECT_TRUE(TestFileExists(folder + "/inside"));
}

}  // namespace
