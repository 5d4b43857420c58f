#include "platform/linux/data_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/linux/xdg_folders.h"
#include "support/scoped_env.h"
#include "support/scoped_temp_dir.h"

namespace {

// Everything under `root`, to see that a failed start made nothing anywhere.
std::set<std::string> Tree(const std::string& root) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    names.insert(entry.path().string());
  }
  return names;
}

unsigned Mode(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

struct Case {
  const char* what;
  const char* vostekHome;   // null: unset; paths starting with '/' are under the scratch folder
  const char* xdgDataHome;  // likewise
  const char* expected;     // the folder, under the scratch folder
  const char* error;        // empty: the folder is made (or kept)
};

TEST(DataFolderTest, FollowsVostekHomeThenXdgDataHomeThenHomeAndMakesItPrivate) {
  const std::vector<Case> cases = {
      {"VOSTEK_HOME", "/mine/v", "/xdg", "/mine/v", ""},
      {"VOSTEK_HOME, relative to the current folder", "rel/v", nullptr, "/cwd/rel/v", ""},
      {"XDG_DATA_HOME", "", "/xdg", "/xdg/vostek", ""},
      {"neither", nullptr, nullptr, "/home/.local/share/vostek", ""},
      {"XDG_DATA_HOME relative: ignored", nullptr, "share", "/home/.local/share/vostek", ""},
      {"XDG_DATA_HOME empty: ignored", nullptr, "", "/home/.local/share/vostek", ""},
      {"XDG_DATA_HOME a file", nullptr, "/file", "/file/vostek", "Not a directory"},
      {"VOSTEK_HOME a file", "/file", nullptr, "/file", "Not a directory"},
      {"existing folder with other permissions", "/open", nullptr, "/open", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedTempDir scratch;
    const std::string root = scratch.Path();
    const auto under = [&](const char* value) -> std::string {
      return value != nullptr && value[0] == '/' ? root + value : (value ? value : "");
    };
    std::filesystem::create_directories(root + "/cwd");
    std::filesystem::create_directories(root + "/home");
    std::filesystem::create_directories(root + "/open");
    ::chmod((root + "/open").c_str(), 0755);
    WriteTestFile(root + "/file", "not a folder");
    const std::string vostekHome = under(c.vostekHome);
    const std::string xdgDataHome = under(c.xdgDataHome);
    ScopedEnv home("HOME", (root + "/home").c_str());
    ScopedEnv vostek("VOSTEK_HOME", c.vostekHome ? vostekHome.c_str() : nullptr);
    ScopedEnv xdg("XDG_DATA_HOME", c.xdgDataHome ? xdgDataHome.c_str() : nullptr);
    ScopedCurrentDir cwd(root + "/cwd");
    const std::set<std::string> before = Tree(root);

    const std::string folder = DataFolderPath();
    EXPECT_EQ(folder, root + c.expected);
    std::string error;
    const bool made = MakePrivateFolder(folder, &error);
    EXPECT_EQ(made, *c.error == '\0') << error;
    if (!made) {
      EXPECT_NE(error.find(c.error), std::string::npos) << error;
      EXPECT_EQ(Tree(root), before);
      continue;
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    if (before.contains(folder)) {
      EXPECT_EQ(Mode(folder), 0755u);  // left as the user made it
      continue;
    }
    // Every folder made on the way is private too.
    for (std::string step = folder; step != root && !before.contains(step);
         step = step.substr(0, step.rfind('/'))) {
      EXPECT_EQ(Mode(step), 0700u) << step;
    }
  }
}

}  // namespace
