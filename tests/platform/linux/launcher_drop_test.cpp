// Dropping real files onto the launcher list: the view's drop intake over the desktop's
// own item creation.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/linux/shell_id_list.h"
#include "view/view_fakes.h"

namespace {

class LauncherDropTest : public ViewTest {
 protected:
  LauncherDropTest() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/vostek-drop-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) {
      folder = pattern;
    }
  }
  ~LauncherDropTest() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  DroppedObject LocalFile(const std::string& name) {
    std::ofstream(folder + "/" + name) << "text";
    return {IdListFromPath(folder), MakeSingleItemIdList(IdItemKind::FileName, name)};
  }

  std::string folder;
  FakeImageList images;
  LauncherView desktopView{list, host, dictionary};  // the desktop's item creation
};

TEST_F(LauncherDropTest, DroppedFilesBecomeSelectedRowsOfTheShownGroup) {
  ASSERT_FALSE(folder.empty());
  data.AddGroup("g1");
  g_curGroup = 1;
  g_settings.popular = 1;
  g_viewMode = VIEW_POPULAR;
  std::vector<DroppedObject> objects;
  objects.push_back(LocalFile("report.txt"));
  objects.push_back(LocalFile("two words 'quoted'.txt"));
  objects.push_back(LocalFile("bad-\xff-name.txt"));
  objects.push_back({IdListFromPath("/"), IdListFromUri("https://example.com/page")});

  EXPECT_TRUE(desktopView.OnDrop(objects, images));
  EXPECT_EQ(g_viewMode, VIEW_GROUP);
  ASSERT_EQ(data.GetItemCount(), 4);
  ASSERT_EQ(list.GetItemCount(), 4);
  for (int i = 0; i < 4; ++i) {
    const VostekItem* item = data.GetItem(i);
    EXPECT_EQ(list.rows[i].item, item) << i;
    EXPECT_EQ(list.rows[i].text, item->GetName()) << i;
    EXPECT_FALSE(item->GetName().empty()) << i;
    EXPECT_EQ(item->GetGroup(), 1) << i;
    EXPECT_EQ(item->GetOrder(), static_cast<std::uint32_t>(i)) << i;
  }
  EXPECT_EQ(list.rows[0].text, "report.txt");
  EXPECT_EQ(list.rows[1].text, "two words 'quoted'.txt");
  EXPECT_EQ(list.Selected(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(list.Focused(), 3);
  EXPECT_EQ(images.added, 4);
  EXPECT_EQ(host.bringToFrontCount, 1);
}

}  // namespace
