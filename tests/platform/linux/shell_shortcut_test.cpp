#include "platform/linux/shell_shortcut.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/linux/shell_id_list.h"
#include "shell_test_desktop.h"

namespace {

std::string TargetPath(const std::string& shortcut) {
  return PathFromIdList(ResolveShortcut(shortcut).get());
}

std::string LinkEntry(const std::string& url) {
  return "[Desktop Entry]\nType=Link\nName=Web\nURL=" + url + "\n";
}

TEST(ShellShortcut, SymbolicLinksGiveTheirStoredTarget) {
  ScopedTempDir folder;
  mkdir((folder.File("sub")).c_str(), 0755);
  WriteTestFile(folder.File("doc.txt"), "text");
  ASSERT_EQ(symlink((folder.File("doc.txt")).c_str(), (folder.File("absolute")).c_str()), 0);
  ASSERT_EQ(symlink("../doc.txt", (folder.File("sub/relative")).c_str()), 0);
  ASSERT_EQ(symlink("gone.txt", (folder.File("dangling")).c_str()), 0);
  ASSERT_EQ(symlink("sub", (folder.File("to-folder")).c_str()), 0);

  for (const char* link : {"absolute", "sub/relative", "dangling", "to-folder"}) {
    EXPECT_TRUE(IsShortcut(folder.File(link))) << link;
  }
  EXPECT_EQ(TargetPath(folder.File("absolute")), folder.File("doc.txt"));
  EXPECT_EQ(TargetPath(folder.File("sub/relative")), folder.File("sub/../doc.txt"))
      << "joined to the link's folder, nothing else resolved";
  EXPECT_EQ(TargetPath(folder.File("dangling")), folder.File("gone.txt")) << "kept though missing";
  EXPECT_EQ(TargetPath(folder.File("to-folder")), folder.File("sub"));
}

TEST(ShellShortcut, LinkEntriesGiveTheirUrl) {
  ScopedTempDir folder;
  WriteTestFile(folder.File("file.desktop"),
                LinkEntry("file://" + folder.Path() + "/my%20doc%FF.txt"));
  WriteTestFile(folder.File("web.desktop"), LinkEntry("https://example.org/?q=1"));
  WriteTestFile(folder.File("plain.desktop"), LinkEntry(folder.File("x.txt")));
  WriteTestFile(folder.File("remote-file.desktop"), LinkEntry("file://server/share/x.txt"));

  EXPECT_TRUE(IsShortcut(folder.File("file.desktop")));
  EXPECT_EQ(TargetPath(folder.File("file.desktop")), folder.File("my doc\xff.txt"));
  const IdListPtr web = ResolveShortcut(folder.File("web.desktop"));
  EXPECT_EQ(PathFromIdList(web.get()), "");
  EXPECT_EQ(UriFromIdList(web.get()), "https://example.org/?q=1");
  EXPECT_EQ(TargetPath(folder.File("plain.desktop")), folder.File("x.txt"));
  EXPECT_EQ(UriFromIdList(ResolveShortcut(folder.File("remote-file.desktop")).get()),
            "file://server/share/x.txt")
      << "a file on another host has no local path";
}

TEST(ShellShortcut, UnreadableEntriesAreShortcutsWithoutTarget) {
  ScopedTempDir folder;
  WriteTestFile(folder.File("garbage.desktop"), "not a key file\n\x01\x02");
  WriteTestFile(folder.File("other-group.desktop"), "[Something]\nType=Link\nURL=https://x.org\n");
  WriteTestFile(folder.File("no-url.desktop"), "[Desktop Entry]\nType=Link\nName=Nothing\n");
  WriteTestFile(folder.File("big.desktop"), LinkEntry("https://x.org") + std::string(2 << 20, '#'));
  ASSERT_EQ(mkfifo((folder.File("pipe.desktop")).c_str(), 0644), 0);  // must not block

  for (const char* name : {"garbage.desktop", "other-group.desktop", "no-url.desktop",
                           "big.desktop", "pipe.desktop", "vanished.desktop"}) {
    EXPECT_TRUE(IsShortcut(folder.File(name))) << name;
    EXPECT_EQ(ResolveShortcut(folder.File(name)), nullptr) << name;
  }
}

TEST(ShellShortcut, OtherObjectsAreNotFollowed) {
  ScopedTempDir folder;
  WriteTestFile(folder.File("UPPER.DESKTOP"), LinkEntry("https://x.org"));
  WriteTestFile(folder.File("Mixed.Desktop"), LinkEntry("https://x.org"));
  WriteTestFile(folder.File("app.desktop"),
                "[Desktop Entry]\nType=Application\nName=A\nExec=true\n");
  WriteTestFile(folder.File("doc.txt"), "text");
  mkdir((folder.File("folder.desktop")).c_str(), 0755);

  for (const char* name : {"UPPER.DESKTOP", "Mixed.Desktop", "app.desktop", "doc.txt",
                           "folder.desktop", "missing.txt"}) {
    EXPECT_FALSE(IsShortcut(folder.File(name))) << name;
  }
}

}  // namespace
