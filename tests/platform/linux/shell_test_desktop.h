#pragma once

// A private desktop for the shell tests: temporary XDG folders holding test handlers
// that log what they were started with, made the defaults for text/plain, folders and
// the URI scheme "vostek-test". GIO reads these folders once per process, so the
// environment is set before any test runs.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/linux/linux_shell.h"
#include "platform/linux/shell_id_list.h"
#include "store/vostek_item.h"
#include "support/scoped_temp_dir.h"

namespace shell_test {

// One start of a test handler: its working folder, arguments and open descriptors.
struct HandlerRun {
  std::string folder;
  std::vector<std::string> args;
  std::vector<std::string> descriptors;  // what each open descriptor points at
};

// Logs NUL-separated fields to $VOSTEK_TEST_HANDLER_LOG; runs as a handler and as a
// program started directly.
inline constexpr char kHandlerScript[] = R"sh(#!/bin/sh
{
  printf 'CWD:%s\0' "$(pwd)"
  for a in "$@"; do printf 'ARG:%s\0' "$a"; done
  for f in /proc/$$/fd/*; do printf 'FD:%s\0' "$(readlink "$f")"; done
  printf 'END\0'
} >> "$VOSTEK_TEST_HANDLER_LOG"
)sh";

class Desktop : public testing::Environment {
 public:
  void SetUp() override {
    m_root = std::make_unique<ScopedTempDir>();
    const std::string root = m_root->Path();
    ASSERT_FALSE(root.empty()) << "no temporary folder";
    for (const char* folder : {"config", "data", "data/applications", "sysconfig", "sysdata"}) {
      std::filesystem::create_directories(root + "/" + folder);
    }
    // The system's type database without the system's applications, so only the test
    // handlers are known.
    std::error_code ignored;
    std::filesystem::create_directory_symlink("/usr/share/mime", root + "/sysdata/mime", ignored);

    WriteTestFile(HandlerPath(), kHandlerScript, 0755);
    WriteTestFile(
        root + "/data/applications/vostek-test-files.desktop",
        Entry("Test file handler", "\"" + HandlerPath() + "\" %f", "text/plain;inode/directory;"));
    WriteTestFile(
        root + "/data/applications/vostek-test-uris.desktop",
        Entry("Test URI handler", "\"" + HandlerPath() + "\" %u", "x-scheme-handler/vostek-test;"));
    WriteTestFile(root + "/config/mimeapps.list",
                  "[Default Applications]\n"
                  "text/plain=vostek-test-files.desktop\n"
                  "inode/directory=vostek-test-files.desktop\n"
                  "x-scheme-handler/vostek-test=vostek-test-uris.desktop\n");

    setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (root + "/data").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (root + "/sysconfig").c_str(), 1);
    setenv("XDG_DATA_DIRS", (root + "/sysdata").c_str(), 1);
    setenv("GIO_USE_VFS", "local", 1);
    setenv("VOSTEK_TEST_HANDLER_LOG", LogPath().c_str(), 1);
  }
  void TearDown() override { m_root.reset(); }

  static Desktop& Get() { return *s_instance; }
  std::string HandlerPath() const { return m_root->Path() + "/handler.sh"; }
  std::string LogPath() const { return m_root->Path() + "/handler.log"; }

  std::vector<HandlerRun> Runs() const {
    std::vector<HandlerRun> runs(1);
    const std::string log = TestFileExists(LogPath()) ? ReadTestFile(LogPath()) : "";
    std::size_t start = 0;
    for (std::size_t end; (end = log.find('\0', start)) != std::string::npos; start = end + 1) {
      const std::string field = log.substr(start, end - start);
      if (field == "END") {
        runs.emplace_back();
      } else if (field.starts_with("CWD:")) {
        runs.back().folder = field.substr(4);
      } else if (field.starts_with("ARG:")) {
        runs.back().args.push_back(field.substr(4));
      } else if (field.starts_with("FD:")) {
        runs.back().descriptors.push_back(field.substr(3));
      }
    }
    runs.pop_back();  // the one still being filled
    return runs;
  }

  // Launching is asynchronous: waits (up to 20 s) until the handler has logged `count`
  // runs in all, and returns them.
  std::vector<HandlerRun> WaitForRuns(std::size_t count) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::vector<HandlerRun> runs = Runs();
    while (runs.size() < count && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      runs = Runs();
    }
    return runs;
  }

  static inline Desktop* s_instance = nullptr;

 private:
  static std::string Entry(const std::string& name, const std::string& exec,
                           const std::string& types) {
    return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec +
           "\nMimeType=" + types + "\nNoDisplay=true\n";
  }

  std::unique_ptr<ScopedTempDir> m_root;
};

inline testing::Environment* const kDesktopEnvironment =
    testing::AddGlobalTestEnvironment(Desktop::s_instance = new Desktop);

// Fills `item` the way a drop of the object at the absolute `path` does.
inline void InitFromDrop(VostekItem& item, const std::string& path, std::int32_t group = 0,
                         std::uint32_t order = 0) {
  const std::size_t slash = path.rfind('/');
  const IdListPtr parent = IdListFromPath(path.substr(0, slash));
  const IdListPtr child = MakeSingleItemIdList(IdItemKind::FileName, path.substr(slash + 1));
  LinuxShell shell;
  item.InitFromShell(shell, parent.get(), child.get(), group, order);
}

// Fills `item` the way a drop of a URI does.
inline void InitFromUri(VostekItem& item, const std::string& uri) {
  const IdListPtr root = IdListFromPath("/");
  const IdListPtr child = IdListFromUri(uri);
  LinuxShell shell;
  item.InitFromShell(shell, root.get(), child.get(), 0, 0);
}

}  // namespace shell_test
