#include "platform/linux/autostart.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <string>

#include "support/scoped_env.h"
#include "support/scoped_temp_dir.h"

namespace {

// The program the desktop would start from the entry at `path`: the Exec key read as
// a desktop entry's string, split as its command line, with %% standing for %.
std::string StartedProgram(const std::string& path) {
  GKeyFile* file = g_key_file_new();
  std::string program;
  if (g_key_file_load_from_file(file, path.c_str(), G_KEY_FILE_NONE, nullptr)) {
    gchar* exec = g_key_file_get_string(file, "Desktop Entry", "Exec", nullptr);
    gint argc = 0;
    gchar** argv = nullptr;
    if (exec != nullptr && g_shell_parse_argv(exec, &argc, &argv, nullptr) && argc == 1) {
      program = argv[0];
      for (std::size_t at = program.find("%%"); at != std::string::npos;
           at = program.find("%%", at + 1)) {
        program.erase(at, 1);
      }
    }
    g_strfreev(argv);
    g_free(exec);
  }
  g_key_file_free(file);
  return program;
}

TEST(AutostartTest, OnWritesAnEntryThatStartsThisProgramAndOffRemovesIt) {
  ScopedTempDir scratch;
  ScopedEnv config("XDG_CONFIG_HOME", scratch.File("config").c_str());
  const std::string entry = scratch.File("config/autostart/vostek.desktop");
  EXPECT_EQ(AutostartEntryPath(), entry);
  std::string report;

  for (const std::string program : {"/usr/bin/vostek", "/home/me/my programs/vostek",
                                    "/opt/a\"b`c$d\\e%f/vostek", "/home/me/ツール/vostek"}) {
    SCOPED_TRACE(program);
    ASSERT_TRUE(SetAutostart(true, program, &report)) << report;
    EXPECT_EQ(report, "VOSTEK starts at login: wrote " + entry);
    EXPECT_EQ(StartedProgram(entry), program);
  }
  EXPECT_EQ(DesktopExecValue("/usr/bin/vostek"), "/usr/bin/vostek");

  ASSERT_TRUE(SetAutostart(false, "/usr/bin/vostek", &report)) << report;
  EXPECT_EQ(report, "VOSTEK no longer starts at login: removed " + entry);
  EXPECT_FALSE(TestFileExists(entry));
  ASSERT_TRUE(SetAutostart(false, "/usr/bin/vostek", &report)) << report;
  EXPECT_NE(report.find("was not set"), std::string::npos) << report;

  // A config folder that is a file: said, and nothing is made.
  WriteTestFile(scratch.File("plain"), "");
  ScopedEnv broken("XDG_CONFIG_HOME", scratch.File("plain").c_str());
  EXPECT_FALSE(SetAutostart(true, "/usr/bin/vostek", &report));
  EXPECT_NE(report.find("Not a directory"), std::string::npos) << report;
  EXPECT_TRUE(report.starts_with("vostek: cannot write " + scratch.File("plain"))) << report;
}

TEST(AutostartTest, ReportsInJapaneseWhenAsked) {
  ScopedTempDir scratch;
  ScopedEnv config("XDG_CONFIG_HOME", scratch.File("config").c_str());
  const std::string entry = scratch.File("config/autostart/vostek.desktop");
  constexpr auto ja = MessageLanguage::Japanese;
  const struct {
    bool on;
    bool done;
    std::string report;
  } steps[] = {
      {true, true, "ログイン時に VOSTEK を起動します（" + entry + " を作りました）"},
      {false, true,
       "ログイン時に VOSTEK を起動しないようにしました（" + entry + " を削除しました）"},
      {false, true, "ログイン時に起動する設定にはなっていません（" + entry + " はありません）"},
  };
  std::string report;
  for (const auto& step : steps) {
    EXPECT_EQ(SetAutostart(step.on, "/usr/bin/vostek", &report, ja), step.done);
    EXPECT_EQ(report, step.report);
  }
  WriteTestFile(scratch.File("plain"), "");
  ScopedEnv broken("XDG_CONFIG_HOME", scratch.File("plain").c_str());
  EXPECT_FALSE(SetAutostart(true, "/usr/bin/vostek", &report, ja));
  EXPECT_TRUE(report.starts_with("vostek: " + scratch.File("plain"))) << report;
  EXPECT_NE(report.find(" を書き込めません: "), std::string::npos) << report;
}

}  // namespace
