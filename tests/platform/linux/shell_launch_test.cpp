#include "platform/linux/shell_launch.h"

#include <fcntl.h>
#include <glib.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "platform/linux/shell_id_list.h"
#include "resources/texts.h"
#include "shell_test_desktop.h"
#include "store/archive.h"
#include "store/vostek_item.h"
#include "support/test_globals.h"

namespace {

using shell_test::Desktop;
using shell_test::HandlerRun;
using shell_test::InitFromDrop;
using shell_test::InitFromUri;

// Every awkward character a file name can carry: spaces, quotes, $, ;, a newline, a
// leading dash and a byte that is not UTF-8.
const std::string kAwkward = "-odd 'single' \"double\" $HOME; rm -rf x\nline \xff";

std::string RealPath(const std::string& path) {
  char* resolved = realpath(path.c_str(), nullptr);
  std::string result = resolved != nullptr ? resolved : "";
  free(resolved);
  return result;
}

// Every test holds a descriptor open without O_CLOEXEC, as internal files might be, and
// every started program must come up without it.
class ShellLaunch : public testing::Test {
 protected:
  ShellLaunch()
      : m_folder(RealPath(m_temp.Path())),
        m_marker(In("internal-descriptor")),
        m_baseline(Desktop::Get().Runs().size()) {
    WriteTestFile(m_marker, "");
    m_leaked = open(m_marker.c_str(), O_RDONLY);
  }
  ~ShellLaunch() override { close(m_leaked); }

  std::string In(const std::string& name) const { return m_folder + "/" + name; }

  // The next run of a handler or test program after those logged so far.
  HandlerRun NextRun() {
    const std::vector<HandlerRun> runs = Desktop::Get().WaitForRuns(m_baseline + 1);
    if (runs.size() <= m_baseline) {
      ADD_FAILURE() << "nothing was started";
      return {};
    }
    const HandlerRun& run = runs[m_baseline++];
    EXPECT_FALSE(run.descriptors.empty()) << "the handler lists its descriptors";
    for (const std::string& target : run.descriptors) {
      EXPECT_NE(target, m_marker) << "a descriptor of ours was inherited";
    }
    return run;
  }

  // Launches and checks the use was counted and stamped.
  void ExpectLaunched(VostekItem& item) {
    const std::int64_t before = std::time(nullptr);
    ASSERT_EQ(item.Launch(m_shell), 1);
    EXPECT_EQ(item.GetCount(), 1u);
    EXPECT_GE(item.GetLastTime(), before);
    EXPECT_LE(item.GetLastTime(), static_cast<std::int64_t>(std::time(nullptr)));
  }

  // Launch must fail with exactly one warning, and leave the item unchanged.
  std::string ExpectLaunchFails(VostekItem& item) {
    MessageRecorder messages;
    EXPECT_EQ(item.Launch(m_shell), 0);
    EXPECT_EQ(item.GetCount(), 0u);
    EXPECT_EQ(item.GetLastTime(), 0);
    if (messages.shown.size() != 1) {
      ADD_FAILURE() << messages.shown.size() << " messages";
      return {};
    }
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    return messages.shown[0].text;
  }

  LinuxShell m_shell;
  ScopedTempDir m_temp;
  std::string m_folder;
  std::string m_marker;
  int m_leaked = -1;
  std::size_t m_baseline;
};

TEST_F(ShellLaunch, DocumentsAndFoldersOpenInTheirDefaultApplication) {
  const std::string document = In(kAwkward + ".txt");
  WriteTestFile(document, "plain text\n");
  mkdir(In(kAwkward).c_str(), 0755);

  VostekItem file;
  InitFromDrop(file, document);
  ASSERT_GE(m_leaked, 0);
  ExpectLaunched(file);
  EXPECT_EQ(NextRun().args, std::vector<std::string>{document});

  VostekItem folder;
  InitFromDrop(folder, In(kAwkward));
  ExpectLaunched(folder);
  EXPECT_EQ(NextRun().args, std::vector<std::string>{In(kAwkward)});
}

TEST_F(ShellLaunch, ProgramsRunDirectlyInTheirOwnFolder) {
  const std::string program = In(kAwkward + ".sh");
  WriteTestFile(program, shell_test::kHandlerScript, 0755);

  VostekItem item;
  InitFromDrop(item, program);
  ExpectLaunched(item);
  const HandlerRun run = NextRun();
  EXPECT_TRUE(run.args.empty()) << "no shell or handler in between";
  EXPECT_EQ(run.folder, m_folder);
}

TEST_F(ShellLaunch, ExecutableDocumentsOpenRatherThanRun) {
  // Text with the execute bit, as on removable media; running it would hand its lines to
  // a shell. It opens in its application instead.
  const std::string notes = In("notes.txt");
  WriteTestFile(notes, "touch " + In("was-run") + "\n", 0755);

  VostekItem item;
  InitFromDrop(item, notes);
  ExpectLaunched(item);
  EXPECT_EQ(NextRun().args, std::vector<std::string>{notes});
  EXPECT_NE(access(In("was-run").c_str(), F_OK), 0);
}

TEST_F(ShellLaunch, DesktopEntriesStartTheirApplicationOrTarget) {
  WriteTestFile(In("app.desktop"), "[Desktop Entry]\nType=Application\nName=App\nExec=\"" +
                                       Desktop::Get().HandlerPath() + "\" from-entry\n");
  WriteTestFile(In("target.txt"), "text");
  WriteTestFile(In("link.desktop"),
                "[Desktop Entry]\nType=Link\nName=L\nURL=file://" + In("target.txt") + "\n");

  VostekItem application;
  InitFromDrop(application, In("app.desktop"));
  ExpectLaunched(application);
  EXPECT_EQ(NextRun().args, std::vector<std::string>{"from-entry"});

  VostekItem link;
  InitFromDrop(link, In("link.desktop"));
  ExpectLaunched(link);
  EXPECT_EQ(NextRun().args, std::vector<std::string>{In("target.txt")});
}

TEST_F(ShellLaunch, SlowProgramsDoNotHoldUpTheCaller) {
  // The program waits (up to 30 s) for a file that the test makes only after Launch has
  // returned; a Launch that waited for the program would find it gone without a trace.
  WriteTestFile(In("slow.sh"),
                "#!/bin/sh\n"
                "release=\"$(dirname \"$0\")/release\"\n"
                "i=0\n"
                "while [ ! -e \"$release\" ] && [ $i -lt 600 ]; do sleep 0.05; i=$((i+1)); done\n"
                "[ -e \"$release\" ] && exec \"" +
                    Desktop::Get().HandlerPath() + "\" \"$@\"\n",
                0755);
  WriteTestFile(In("slow.desktop"), "[Desktop Entry]\nType=Application\nName=Slow\nExec=\"" +
                                        In("slow.sh") + "\" from-entry\n");

  VostekItem program;
  InitFromDrop(program, In("slow.sh"));
  ExpectLaunched(program);
  VostekItem entry;
  InitFromDrop(entry, In("slow.desktop"));
  ExpectLaunched(entry);
  WriteTestFile(In("release"), "");

  std::vector<std::vector<std::string>> args = {NextRun().args, NextRun().args};
  std::sort(args.begin(), args.end());
  const std::vector<std::vector<std::string>> expected = {{}, {"from-entry"}};
  EXPECT_EQ(args, expected);
}

TEST_F(ShellLaunch, UrisOpenInTheHandlerOfTheirScheme) {
  VostekItem item;
  InitFromUri(item, "vostek-test:hello%20world");
  ExpectLaunched(item);
  EXPECT_EQ(NextRun().args, std::vector<std::string>{"vostek-test:hello%20world"});
}

TEST_F(ShellLaunch, ParentStepsFollowTheFoldersOnDisk) {
  // alias -> real/sub; alias/link -> ../doc.txt means real/doc.txt, not the decoy that
  // removing "alias/.." by its letters would give.
  mkdir(In("real").c_str(), 0755);
  mkdir(In("real/sub").c_str(), 0755);
  WriteTestFile(In("real/doc.txt"), "the real one");
  WriteTestFile(In("doc.txt"), "decoy");
  ASSERT_EQ(symlink("real/sub", In("alias").c_str()), 0);
  ASSERT_EQ(symlink("../doc.txt", In("real/sub/link").c_str()), 0);

  VostekItem item;
  InitFromDrop(item, In("alias/link"));
  ASSERT_EQ(PathFromIdList(item.GetPidl()), In("alias/../doc.txt"));
  ExpectLaunched(item);
  EXPECT_EQ(NextRun().args, std::vector<std::string>{In("real/doc.txt")});
}

TEST_F(ShellLaunch, FailuresShowTheSystemsTextAndCountNothing) {
  VostekItem missing;
  InitFromDrop(missing, In("missing.txt"));
  EXPECT_EQ(ExpectLaunchFails(missing), g_strerror(ENOENT));

  WriteTestFile(In("blob.vostekunknown"), std::string("\x00\x01\x02\xff\xfe", 5));
  VostekItem unhandled;
  InitFromDrop(unhandled, In("blob.vostekunknown"));
  EXPECT_NE(ExpectLaunchFails(unhandled), "");

  VostekItem unknownScheme;
  InitFromUri(unknownScheme, "vostek-none:x");
  EXPECT_NE(ExpectLaunchFails(unknownScheme), "");

  WriteTestFile(In("broken.desktop"), "garbage");
  VostekItem broken;
  InitFromDrop(broken, In("broken.desktop"));
  ASSERT_EQ(broken.GetPidl(), nullptr);
  EXPECT_EQ(ExpectLaunchFails(broken), g_strerror(ENOENT));

  // A place recorded by another system's build (a Windows shell list): kept, not opened.
  ArchiveWriter record;
  record.WriteString("This PC");
  record.WriteU32(0);
  record.WriteTime(0);
  record.WriteI32(0);
  record.WriteU32(0);
  const std::string windowsList(
      "\x14\x00\x1f\x50\xe0\x4f\xd0\x20\xea\x3a\x69\x10"
      "\xa2\xd8\x08\x00\x2b\x30\x30\x9d\x00\x00",
      22);
  record.WriteU32(static_cast<std::uint32_t>(windowsList.size()));
  record.WriteBytes(windowsList.data(), windowsList.size());
  ArchiveReader reader(record.Bytes());
  VostekItem foreign;
  foreign.Load(reader);
  EXPECT_EQ(ExpectLaunchFails(foreign), texts::kForeignIdList);

  WriteTestFile(In("noexec.desktop"), "[Desktop Entry]\nType=Application\nName=N\n");
  VostekItem noExec;
  InitFromDrop(noExec, In("noexec.desktop"));
  EXPECT_NE(ExpectLaunchFails(noExec), "");

  EXPECT_EQ(Desktop::Get().Runs().size(), m_baseline) << "nothing was started";
}

TEST_F(ShellLaunch, OpenFolderOpensTheContainingFolder) {
  mkdir(In("docs").c_str(), 0755);
  WriteTestFile(In("docs/report.txt"), "text");
  VostekItem item;
  InitFromDrop(item, In("docs/report.txt"));
  const std::int64_t before = std::time(nullptr);
  ASSERT_EQ(item.OpenFolder(m_shell), 1);
  EXPECT_EQ(item.GetCount(), 1u);
  EXPECT_GE(item.GetLastTime(), before);
  EXPECT_EQ(NextRun().args, std::vector<std::string>{In("docs")});

  VostekItem web;
  InitFromUri(web, "vostek-test:x");
  MessageRecorder messages;
  EXPECT_EQ(web.OpenFolder(m_shell), 0) << "no file-system path: nothing to open, silently";
  VostekItem broken;
  WriteTestFile(In("broken.desktop"), "garbage");
  InitFromDrop(broken, In("broken.desktop"));
  EXPECT_EQ(broken.OpenFolder(m_shell), 0);
  EXPECT_TRUE(messages.shown.empty());

  VostekItem gone;
  InitFromDrop(gone, In("gone/report.txt"));
  EXPECT_EQ(gone.OpenFolder(m_shell), 0);
  EXPECT_EQ(gone.GetCount(), 0u);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{g_strerror(ENOENT)});
}

}  // namespace
