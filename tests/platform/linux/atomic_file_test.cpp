#include "platform/linux/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>

#include "support/scoped_temp_dir.h"

namespace {

std::set<std::string> Listing(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

TEST(AtomicFileTest, ReplacesWholeAndKeepsPermissions) {
  ScopedTempDir dir;
  ScopedCurrentDir here(dir.Path());
  std::string error;
  ASSERT_TRUE(WriteFileAtomically("plain name", "first", &error)) << error;
  ASSERT_EQ(::chmod("plain name", 0600), 0);
  const std::string big(1 << 20, '\x7f');
  ASSERT_TRUE(WriteFileAtomically("plain name", big, &error)) << error;
  EXPECT_EQ(ReadTestFile("plain name"), big);
  EXPECT_EQ(Listing("."), std::set<std::string>{"plain name"});
  struct stat info {};
  ASSERT_EQ(::stat("plain name", &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(AtomicFileTest, ALinkStaysAndItsTargetGetsTheBytesEvenWhenItDangles) {
  ScopedTempDir dir;
  ASSERT_EQ(::mkdir(dir.File("dotfiles").c_str(), 0700), 0);
  WriteTestFile(dir.File("dotfiles/setting.ini"), "old");
  for (const char* target : {"dotfiles/setting.ini", "dotfiles/items.vkd"}) {
    const std::string link = dir.File("link");
    std::filesystem::remove(link);
    ASSERT_EQ(::symlink(target, link.c_str()), 0);
    ASSERT_EQ(FinalLinkTarget(link), dir.File(target));
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(link, "new", &error)) << error;
    struct stat info {};
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode)) << target;
    EXPECT_EQ(ReadTestFile(dir.File(target)), "new");
  }
  EXPECT_EQ(Listing(dir.File("dotfiles")), (std::set<std::string>{"items.vkd", "setting.ini"}));
}

// What a killed save, a planted pipe or a read-only leftover leaves beside the file
// must neither block nor fail the next save; only our own regular leftovers go at start.
TEST(AtomicFileTest, LeftoversNeitherBlockNorFailASaveAndOursAreRemovedAtStart) {
  ScopedTempDir dir;
  const std::string path = dir.File("items.vkd");
  WriteTestFile(path, "old");
  ASSERT_EQ(::mkfifo((path + ".tmp").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo((path + ".tmp-1-1").c_str(), 0600), 0);
  WriteTestFile(path + ".tmp-" + std::to_string(::getpid()) + "-0", "killed", 0400);
  WriteTestFile(path + ".tmp-" + std::to_string(::getpid()) + "-1", "killed", 0400);
  WriteTestFile(path + ".tmp-notes", "the user's");
  WriteTestFile(dir.File("other.tmp-1-1"), "another file's");
  ASSERT_EQ(::symlink("items.vkd", (path + ".tmp-2-2").c_str()), 0);

  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, "new", &error)) << error;
  EXPECT_EQ(ReadTestFile(path), "new");

  RemoveStaleTemporaries(path);
  EXPECT_EQ(Listing(dir.Path()),
            (std::set<std::string>{"items.vkd", "items.vkd.tmp", "items.vkd.tmp-1-1",
                                   "items.vkd.tmp-2-2", "items.vkd.tmp-notes", "other.tmp-1-1"}));
}

TEST(AtomicFileTest, FailuresLeaveTheOldFileAndNameWhatFailed) {
  ScopedTempDir dir;
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir.File("gone/items.vkd"), "new", &error));
  EXPECT_EQ(error, dir.File("gone") + ": " + std::strerror(ENOENT));

  // The rename fails (a folder sits at the path): the written temporary goes away.
  const std::string folder = dir.File("folder");
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  ASSERT_EQ(::mkdir((folder + "/inside").c_str(), 0700), 0);
  EXPECT_FALSE(WriteFileAtomically(folder, "new", &error));
  EXPECT_EQ(error.rfind(folder + ": ", 0), 0u) << error;
  EXPECT_EQ(Listing(dir.Path()), std::set<std::string>{"folder"});
  EXPECT_TRUE(TestFileExists(folder + "/inside"));
}

}  // namespace
