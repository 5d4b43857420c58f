#include "app/file_session.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "store/collection_file.h"
#include "support/fake_files.h"
#include "support/test_globals.h"

namespace {

constexpr char kFolder[] = "/data";
constexpr char kSettings[] = "/data/setting.ini";
constexpr char kCollection[] = "/data/items.vkd";

// The front end as the session sees it: a clock a test moves, one timer and the
// balloons shown.
class FakeHost : public FileSessionHost {
 public:
  void StartTimer(int milliseconds) override { due = now + milliseconds; }
  std::int64_t Now() const override { return now; }
  void Notify(const std::string& title, const std::string& text) override {
    balloons.push_back(title + ": " + text);
  }
  void WatchFolder() override { ++watches; }

  std::int64_t now = 0;
  std::optional<std::int64_t> due;
  std::vector<std::string> balloons;
  int watches = 0;
};

// One step of a run, and what must hold after it.
struct Step {
  enum Kind {
    AddGroup,      // `text` becomes a new group
    SetWidth,      // a setting changes to `number`
    Wait,          // the event loop waits `number` milliseconds, the timer firing when due
    BreakWrites,   // writes to file `text` fail with a full disk
    Mend,          // writes work again
    RemoveFolder,  // the data folder goes, and the folder watch says so
    Exit,          // the exit's write; a box offering 再試行 mends the disk and retries
    Holds,         // file `text` holds `expected` ("" : the file is not there)
    Balloons,      // `number` balloons so far
    Boxes,         // `number` message boxes so far
  };
  Step(Kind kind, std::string text = {}, int number = 0, std::string expected = {})
      : kind(kind), text(std::move(text)), number(number), expected(std::move(expected)) {}

  Kind kind;
  std::string text;
  int number;
  std::string expected;
};

struct Case {
  const char* what;
  std::vector<std::pair<std::string, std::string>> files;  // there at start
  std::string unreadable;  // a file there at start that cannot be opened
  std::vector<Step> steps;
};

// The session's rules over a whole run: what is written when after a change, what a
// failing disk, an unreadable file and a folder taken away lead to, and the exit.
TEST(FileSessionTest, RunsFollowTheSavingRules) {
  VostekData savedData;
  savedData.InitDefault();
  savedData.AddGroup("Saved");
  const std::string saved = WriteCollection(savedData);
  const Case cases[] = {
      {"a change is written a few seconds after the last one, and only what changed",
       {},
       "",
       {{Step::AddGroup, "One"},
        {Step::Wait, "", FileSession::kDelayMilliseconds - 1000},
        {Step::AddGroup, "Two"},  // the wait starts again
        {Step::Wait, "", FileSession::kDelayMilliseconds - 1000},
        {Step::Holds, "items.vkd", 0, ""},
        {Step::Wait, "", 1000},
        {Step::Holds, "items.vkd", 0, "Two"},
        {Step::Holds, "setting.ini", 0, ""},  // unchanged: not written
        {Step::SetWidth, "", 321},
        {Step::Wait, "", FileSession::kDelayMilliseconds},
        {Step::Holds, "setting.ini", 0, "width=321"},
        {Step::Balloons, "", 0}}},
      {"a busy user's first change is on disk within the longest wait",
       {},
       "",
       {{Step::AddGroup, "First"},
        {Step::Wait, "", 2000},
        {Step::AddGroup, "Busy"},
        {Step::Wait, "", 2000},
        {Step::AddGroup, "Busy"},
        {Step::Wait, "", 2000},
        {Step::AddGroup, "Busy"},
        {Step::Wait, "", 2000},
        {Step::AddGroup, "Busy"},
        {Step::Wait, "", FileSession::kLongestWaitMilliseconds - 8000 - 1},
        {Step::Holds, "items.vkd", 0, ""},
        {Step::Wait, "", 1},
        {Step::Holds, "items.vkd", 0, "First"}}},
      {"a failed save is told once and tried again until it works",
       {{"items.vkd", saved}},
       "",
       {{Step::BreakWrites, "items.vkd"},
        {Step::AddGroup, "Later"},
        {Step::Wait, "", FileSession::kDelayMilliseconds},
        {Step::Balloons, "", 1},
        {Step::Wait, "", FileSession::kRetryMilliseconds - 1},
        {Step::Mend},
        {Step::Holds, "items.vkd", 0, "Saved"},
        {Step::Wait, "", 1},
        {Step::Holds, "items.vkd", 0, "Later"},
        // A second run of failures, whose retry fails as well: told once more.
        {Step::BreakWrites, "items.vkd"},
        {Step::AddGroup, "Again"},
        {Step::Wait, "", FileSession::kDelayMilliseconds + FileSession::kRetryMilliseconds},
        {Step::Balloons, "", 2},
        {Step::Mend},
        {Step::Wait, "", FileSession::kRetryMilliseconds},
        {Step::Holds, "items.vkd", 0, "Again"},
        {Step::Balloons, "", 2},
        {Step::Exit},
        {Step::Boxes, "", 0}}},
      {"an unreadable collection file stays, and an unchanged session writes nothing beside",
       {},
       "items.vkd",
       {{Step::Boxes, "", 0},
        {Step::Exit},
        {Step::Holds, "items.vkd.unsaved", 0, ""},
        {Step::Holds, "setting.ini", 0, "[GENERAL]"},
        {Step::Boxes, "", 0}}},
      {"a session's changes go beside an unreadable collection file, and the exit says so",
       {{"items.vkd.unsaved", "an earlier session's"}},
       "items.vkd",
       {{Step::AddGroup, "Kept"},
        {Step::Wait, "", FileSession::kDelayMilliseconds},
        {Step::Holds, "items.vkd.unsaved.1", 0, "Kept"},
        {Step::Holds, "items.vkd.unsaved", 0, "an earlier session's"},
        {Step::Exit},
        {Step::Boxes, "", 1}}},
      {"the exit offers 再試行 while a save fails",
       {},
       "",
       {{Step::BreakWrites, "setting.ini"},
        {Step::SetWidth, "", 555},
        {Step::Exit},
        {Step::Boxes, "", 1},
        {Step::Holds, "setting.ini", 0, "width=555"},
        {Step::Holds, "items.vkd", 0, "グループ0"}}},
      {"a data folder taken away is made again with both files",
       {{"items.vkd", saved}},
       "",
       {{Step::RemoveFolder},
        {Step::Holds, "items.vkd", 0, "Saved"},
        {Step::Holds, "setting.ini", 0, "[GENERAL]"},
        {Step::Balloons, "", 1}}},
  };

  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestGlobals globals;
    g_data = nullptr;
    FakeFiles files;
    files.MakeFolder(kFolder, nullptr);
    for (const auto& [name, content] : c.files) {
      files.Put(std::string(kFolder) + "/" + name, content);
    }
    if (!c.unreadable.empty()) {
      files.MakeUnreadable(std::string(kFolder) + "/" + c.unreadable, EACCES);
    }
    FakeHost host;
    FileSession session(files, host, kFolder, '/');
    ASSERT_TRUE(session.Claim());
    EXPECT_EQ(session.Open(), "");
    const std::string collectionMessage = session.TakeCollection().text;
    EXPECT_EQ(collectionMessage.empty(), c.unreadable.empty()) << collectionMessage;
    session.StartRunning();
    ASSERT_NE(g_data, nullptr);

    // As an event loop runs: a look for changes before each wait, the timer when due.
    const auto wait = [&](int milliseconds) {
      const std::int64_t until = host.now + milliseconds;
      session.OnAboutToWait();
      while (host.due && *host.due <= until) {
        host.now = *std::exchange(host.due, std::nullopt);
        session.OnTimer();
        session.OnAboutToWait();
      }
      host.now = until;
    };
    for (const Step& step : c.steps) {
      SCOPED_TRACE(step.kind);
      switch (step.kind) {
        case Step::AddGroup:
          g_data->AddGroup(step.text);
          break;
        case Step::SetWidth:
          g_settings.width = step.number;
          break;
        case Step::Wait:
          wait(step.number);
          break;
        case Step::BreakWrites:
          files.BreakWrites(std::string(kFolder) + "/" + step.text, EFBIG);
          break;
        case Step::Mend:
          files.Mend();
          break;
        case Step::RemoveFolder:
          files.RemoveFolder(kFolder);
          session.OnFolderChanged();
          break;
        case Step::Exit:
          SetMessageBoxHandler([&](const std::string& text, MessageButtons buttons, MessageIcon) {
            globals.messages.shown.push_back({text, buttons, MessageIcon::Warning});
            files.Mend();
            return buttons == MessageButtons::RetryCancel;
          });
          session.WriteFiles(FileSession::Reporting::Boxes, /*atExit=*/true);
          break;
        case Step::Holds: {
          const std::string path = std::string(kFolder) + "/" + step.text;
          if (step.expected.empty()) {
            EXPECT_FALSE(files.Exists(path)) << files.Content(path);
          } else {
            EXPECT_NE(files.Content(path).find(step.expected), std::string::npos)
                << files.Content(path);
          }
          break;
        }
        case Step::Balloons:
          EXPECT_EQ(host.balloons.size(), static_cast<std::size_t>(step.number));
          break;
        case Step::Boxes:
          EXPECT_EQ(globals.messages.shown.size(), static_cast<std::size_t>(step.number));
          break;
      }
    }
    session.Close();
    EXPECT_EQ(g_data, nullptr);
  }
}

}  // namespace
