#include "platform/linux/shell_shortcut.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/linux/shell_id_list.h"
#include "shell_test_desktop.h"

namespace {

using shell_test::TempFolder;
using shell_test::WriteFile;

std::string TargetPath(const std::string& shortcut) {
  return PathFromIdList(ResolveShortcut(shortcut).get());
}

std::string LinkEntry(const std::string& url) {
  return "[Desktop Entry]\nType=Link\nName=Web\nURL=" + url + "\n";
}

TEST(ShellShortcut, SymbolicLinksGiveTheirStoredTarget) {
  TempFolder folder;
  mkdir((folder / "sub").c_str(), 0755);
  WriteFile(folder / "doc.txt", "text");
  ASSERT_EQ(symlink((folder / "doc.txt").c_str(), (folder / "absolute").c_str()), 0);
  ASSERT_EQ(symlink("../doc.txt", (folder / "sub/relative").c_str()), 0);
  ASSERT_EQ(symlink("gone.txt", (folder / "dangling").c_str()), 0);
  ASSERT_EQ(symlink("sub", (folder / "to-folder").c_str()), 0);

  for (const char* link : {"absolute", "sub/relative", "dangling", "to-folder"}) {
    EXPECT_TRUE(IsShortcut(folder / link)) << link;
  }
  EXPECT_EQ(TargetPath(folder / "absolute"), folder / "doc.txt");
  EXPECT_EQ(TargetPath(folder / "sub/relative"), folder / "sub/../doc.txt")
      << "joined to the link's folder, nothing else resolved";
  EXPECT_EQ(TargetPath(folder / "dangling"), folder / "gone.txt") << "kept though missing";
  EXPECT_EQ(TargetPath(folder / "to-folder"), folder / "sub");
}

TEST(ShellShortcut, LinkEntriesGiveTheirUrl) {
  TempFolder folder;
  WriteFile(folder / "file.desktop", LinkEntry("file://" + folder.Path() + "/my%20doc%FF.txt"));
  WriteFile(folder / "web.desktop", LinkEntry("https://example.org/?q=1"));
  WriteFile(folder / "plain.desktop", LinkEntry(folder / "x.txt"));
  WriteFile(folder / "remote-file.desktop", LinkEntry("file://server/share/x.txt"));

  EXPECT_TRUE(IsShortcut(folder / "file.desktop"));
  EXPECT_EQ(TargetPath(folder / "file.desktop"), folder / "my doc\xff.txt");
  const IdListPtr web = ResolveShortcut(folder / "web.desktop");
  EXPECT_EQ(PathFromIdList(web.get()), "");
  EXPECT_EQ(UriFromIdList(web.get()), "https://example.org/?q=1");
  EXPECT_EQ(TargetPath(folder / "plain.desktop"), folder / "x.txt");
  EXPECT_EQ(UriFromIdList(ResolveShortcut(folder / "remote-file.desktop").get()),
            "file://server/share/x.txt")
      << "a file on another host has no local path";
}

TEST(ShellShortcut, UnreadableEntriesAreShortcutsWithoutTarget) {
  TempFolder folder;
  WriteFile(folder / "garbage.desktop", "not a key file\n\x01\x02");
  WriteFile(folder / "other-group.desktop", "[Something]\nType=Link\nURL=https://x.org\n");
  WriteFile(folder / "no-url.desktop", "[Desktop Entry]\nType=Link\nName=Nothing\n");
  WriteFile(folder / "big.desktop", LinkEntry("https://x.org") + std::string(2 << 20, '#'));
  ASSERT_EQ(mkfifo((folder / "pipe.desktop").c_str(), 0644), 0);  // must not block

  for (const char* name : {"garbage.desktop", "other-group.desktop", "no-url.desktop",
                           "big.desktop", "pipe.desktop", "vanished.desktop"}) {
    EXPECT_TRUE(IsShortcut(folder / name)) << name;
    EXPECT_EQ(ResolveShortcut(folder / name), nullptr) << name;
  }
}

TEST(ShellShortcut, OtherObjectsAreNotFollowed) {
  TempFolder folder;
  WriteFile(folder / "UPPER.DESKTOP", LinkEntry("https://x.org"));
  WriteFile(folder / "Mixed.Desktop", LinkEntry("https://x.org"));
  WriteFile(folder / "app.desktop", "[Desktop Entry]\nType=Application\nName=A\nExec=true\n");
  WriteFile(folder / "doc.txt", "text");
  mkdir((folder / "folder.desktop").c_str(), 0755);

  for (const char* name : {"UPPER.DESKTOP", "Mixed.Desktop", "app.desktop", "doc.txt",
                           "folder.desktop", "missing.txt"}) {
    EXPECT_FALSE(IsShortcut(folder / name)) << name;
  }
}

}  // namespace
