#include <glib.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "app/globals.h"
#include "platform/linux/shell_icon.h"
#include "platform/linux/shell_id_list.h"
#include "shell_test_desktop.h"
#include "store/image_list.h"
#include "store/vostek_data.h"
#include "store/vostek_item.h"
#include "support/scoped_env.h"
#include "support/test_globals.h"

namespace {

using shell_test::InitFromDrop;
using shell_test::InitFromUri;

class RecordingImageList : public ImageList {
 public:
  int AddIcon(const IconSource& icon) override {
    icons.push_back(icon);
    return static_cast<int>(icons.size()) + 99;
  }
  std::vector<IconSource> icons;
};

TEST(ShellItem, DroppedFilesKeepTheirListAndShowTheirName) {
  ScopedTempDir folder;
  WriteTestFile(folder.File("report.txt"), "text");
  mkdir((folder.File("photos")).c_str(), 0755);

  VostekItem item;
  InitFromDrop(item, folder.File("report.txt"), 3, 7);
  EXPECT_EQ(item.GetName(), "report.txt");
  EXPECT_EQ(PathFromIdList(item.GetPidl()), folder.File("report.txt"));
  EXPECT_EQ(item.GetCount(), 0u);
  EXPECT_EQ(item.GetLastTime(), 0);
  EXPECT_EQ(item.GetGroup(), 3);
  EXPECT_EQ(item.GetOrder(), 7u);
  EXPECT_EQ(item.GetIcon(), 0);

  VostekItem again;  // filling twice must not leak or keep the old target
  InitFromDrop(again, folder.File("report.txt"));
  InitFromDrop(again, folder.File("photos"));
  EXPECT_EQ(again.GetName(), "photos");
  EXPECT_EQ(PathFromIdList(again.GetPidl()), folder.File("photos"));
}

TEST(ShellItem, ShortcutsKeepTheirOwnNameAndTakeTheTarget) {
  ScopedTempDir folder;
  WriteTestFile(folder.File("report.txt"), "text");
  ASSERT_EQ(symlink("report.txt", (folder.File("link to report")).c_str()), 0);
  WriteTestFile(
      folder.File("site.desktop"),
      "[Desktop Entry]\nType=Link\nName=Site\nName[ja]=サイト\nURL=https://example.org\n");
  WriteTestFile(folder.File("broken.desktop"), "garbage");

  VostekItem link;
  InitFromDrop(link, folder.File("link to report"));
  EXPECT_EQ(link.GetName(), "link to report");
  EXPECT_EQ(PathFromIdList(link.GetPidl()), folder.File("report.txt"));

  VostekItem site;
  {
    ScopedEnv english("LANGUAGE", "en_US");
    InitFromDrop(site, folder.File("site.desktop"));
    EXPECT_EQ(site.GetName(), "Site");
  }
  {
    ScopedEnv japanese("LANGUAGE", "ja_JP.UTF-8");
    InitFromDrop(site, folder.File("site.desktop"));
    EXPECT_EQ(site.GetName(), "サイト");
  }
  EXPECT_EQ(UriFromIdList(site.GetPidl()), "https://example.org");

  VostekItem broken;
  InitFromDrop(broken, folder.File("broken.desktop"));
  EXPECT_EQ(broken.GetName(), "broken.desktop") << "the file's own name stands in";
  EXPECT_EQ(broken.GetPidl(), nullptr);
}

TEST(ShellItem, NamesThatCannotBeHadOrAreNotUtf8) {
  ScopedTempDir folder;
  const std::string raw = "caf\xe9 menu.txt";
  WriteTestFile(folder.File(raw), "text");

  VostekItem odd;
  InitFromDrop(odd, folder.File(raw));
  EXPECT_TRUE(g_utf8_validate(odd.GetName().c_str(), -1, nullptr)) << odd.GetName();
  EXPECT_NE(odd.GetName().find("caf"), std::string::npos);
  EXPECT_EQ(PathFromIdList(odd.GetPidl()), folder.File(raw)) << "the list keeps the raw bytes";

  VostekItem vanished;
  InitFromDrop(vanished, folder.File("gone.txt"));
  EXPECT_EQ(vanished.GetName(), "???");
  EXPECT_EQ(PathFromIdList(vanished.GetPidl()), folder.File("gone.txt"));

  VostekItem orphan;
  const IdListPtr child = MakeSingleItemIdList(IdItemKind::FileName, "x");
  LinuxShell shell;
  orphan.InitFromShell(shell, nullptr, child.get(), 0, 0);
  EXPECT_EQ(orphan.GetName(), "???");
  EXPECT_EQ(orphan.GetPidl(), nullptr);

  VostekItem web;
  InitFromUri(web, "https://example.org/%E6%97%A5%E6%9C%AC");
  EXPECT_EQ(web.GetName(), "https://example.org/日本");
  EXPECT_EQ(UriFromIdList(web.GetPidl()), "https://example.org/%E6%97%A5%E6%9C%AC");
}

TEST(ShellItem, SmallIconsComeFromTheDesktop) {
  ScopedTempDir folder;
  WriteTestFile(folder.File("notes.txt"), "text");
  WriteTestFile(folder.File("themed.desktop"),
                "[Desktop Entry]\nType=Application\nName=T\nExec=true\nIcon=accessories-editor\n");
  WriteTestFile(folder.File("image.desktop"),
                "[Desktop Entry]\nType=Application\nName=I\nExec=true\nIcon=/opt/x/icon.png\n");

  const IconSource document = FetchSmallIcon(IdListFromPath(folder.File("notes.txt")).get());
  EXPECT_FALSE(document.isFolder);
  EXPECT_FALSE(document.themedNames.empty());
  EXPECT_TRUE(FetchSmallIcon(IdListFromPath(folder.Path()).get()).isFolder);
  EXPECT_EQ(FetchSmallIcon(IdListFromPath(folder.File("themed.desktop")).get()).themedNames,
            std::vector<std::string>{"accessories-editor"});
  EXPECT_EQ(FetchSmallIcon(IdListFromPath(folder.File("image.desktop")).get()).filePath,
            "/opt/x/icon.png");

  const IconSource missing = FetchSmallIcon(IdListFromPath(folder.File("gone.pdf")).get());
  EXPECT_FALSE(missing.themedNames.empty()) << "the name still suggests a type";
  const IconSource none = FetchSmallIcon(nullptr);
  EXPECT_TRUE(none.themedNames.empty() && none.filePath.empty() && !none.isFolder);
}

class ShellAddItem : public testing::Test {
 protected:
  // Adds a dropped file and returns the icon index AddItem answered.
  int Add(const std::string& name) {
    WriteTestFile(m_folder.File(name), "text");
    const IdListPtr parent = IdListFromPath(m_folder.Path());
    const IdListPtr child = MakeSingleItemIdList(IdItemKind::FileName, name);
    return m_data.AddItem(m_shell, parent.get(), child.get(), g_viewMode, g_curGroup, m_icons);
  }
  VostekItem& Last() { return *m_data.GetItem(m_data.GetItemCount() - 1); }
  void Place(int index, std::int32_t group, std::uint32_t order) {
    m_data.GetItem(index)->SetGroup(group);
    m_data.GetItem(index)->SetOrder(order);
  }

  TestGlobals m_globals;
  VostekData& m_data = m_globals.data;
  LinuxShell m_shell;
  ScopedTempDir m_folder;
  RecordingImageList m_icons;
};

TEST_F(ShellAddItem, OrderIsOneAboveTheGroupsLargest) {
  g_viewMode = VIEW_GROUP;
  g_curGroup = 1;
  EXPECT_EQ(Add("first.txt"), 100);
  EXPECT_EQ(Last().GetGroup(), 1);
  EXPECT_EQ(Last().GetOrder(), 0u) << "first item of an empty group";
  EXPECT_EQ(Last().GetIcon(), 100);
  EXPECT_EQ(Last().GetName(), "first.txt");
  ASSERT_EQ(m_icons.icons.size(), 1u);

  Add("b.txt");
  Add("c.txt");
  Add("other.txt");
  Place(0, 1, 0);
  Place(1, 1, 5);
  Place(2, 1, 2);
  Place(3, 2, 9);  // another group's larger order does not count
  Add("new.txt");
  EXPECT_EQ(Last().GetName(), "new.txt");
  EXPECT_EQ(Last().GetOrder(), 6u);
  EXPECT_EQ(m_data.GetItemCount(), 5);
}

TEST_F(ShellAddItem, AutomaticViewsFileIntoGroupZero) {
  Add("zero.txt");
  Place(0, 0, 4);
  for (const ViewMode mode : {VIEW_POPULAR, VIEW_RECENT}) {
    g_viewMode = mode;
    g_curGroup = 2;
    Add(mode == VIEW_POPULAR ? "popular.txt" : "recent.txt");
    EXPECT_EQ(Last().GetGroup(), 0);
  }
  EXPECT_EQ(m_data.GetItem(1)->GetOrder(), 5u);
  EXPECT_EQ(m_data.GetItem(2)->GetOrder(), 6u);
}

}  // namespace
