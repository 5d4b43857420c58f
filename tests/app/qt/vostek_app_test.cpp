#include "app/qt/vostek_app.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "app/file_session.h"
#include "app/globals.h"
#include "app/message_box.h"
#include "app/qt/qt_message_box.h"
#include "frame/qt/main_frame.h"
#include "store/vostek_data.h"
#include "support/scoped_file_size_limit.h"
#include "support/scoped_temp_dir.h"
#include "support/test_globals.h"

namespace {

const std::string kDefaultCollection(
    "\x01\x00\x0d\xe3\x82\xb0\xe3\x83\xab\xe3\x83\xbc\xe3\x83\x97\x30\x00\x00", 18);

// Runs `scenario` inside the application's event loop, as the program runs its work,
// and returns when something ends that loop.
void RunInEventLoop(const std::function<void()>& scenario) {
  QTimer::singleShot(0, scenario);
  QCoreApplication::exec();
}

class VostekAppTest : public testing::Test {
 protected:
  VostekAppTest() { g_curGroup = 7; }

  std::string File(const char* name) const { return m_dir.File(name); }
  std::string Read(const char* name) const { return ReadTestFile(File(name)); }
  bool Exists(const char* name) const { return TestFileExists(File(name)); }

  ScopedTempDir m_dir;
  ScopedTempDir m_runtime;
  std::string m_lockPath = m_runtime.File("letsgosoundingourheels");
  TestGlobals m_globals;
  const std::vector<MessageRecorder::Message>& m_messages = m_globals.messages.shown;
};

}  // namespace

TEST_F(VostekAppTest, FirstStartRunsHiddenWithTheDefaultsAndWritesBothFilesAtExit) {
  CvostekApp app(m_dir.Path(), m_lockPath);
  ASSERT_TRUE(app.InitInstance());
  EXPECT_EQ(g_viewMode, VIEW_POPULAR);
  EXPECT_EQ(g_curGroup, 0);
  ASSERT_NE(g_data, nullptr);
  EXPECT_EQ(g_data->GetGroupCount(), 1);
  EXPECT_EQ(g_data->GetItemCount(), 0);
  ASSERT_NE(app.MainFrame(), nullptr);
  EXPECT_FALSE(app.MainFrame()->isVisible());
  EXPECT_FALSE(Exists("setting.ini"));  // nothing is written while the system runs

  EXPECT_EQ(app.ExitInstance(), 1);
  EXPECT_EQ(app.MainFrame(), nullptr);
  EXPECT_EQ(g_data, nullptr);
  EXPECT_TRUE(Exists("setting.ini"));
  EXPECT_EQ(Read("items.vkd"), kDefaultCollection);
  EXPECT_TRUE(m_messages.empty());
}

TEST_F(VostekAppTest, StartViewFollowsPopularThenRecent) {
  struct Case {
    const char* file;
    ViewMode expected;
  };
  const Case cases[] = {
      {"[GENERAL]\npopular=0\nrecent=1\n", VIEW_RECENT},
      {"[GENERAL]\npopular=0\nrecent=0\n", VIEW_GROUP},
      {"[GENERAL]\npopular=1\nrecent=1\n", VIEW_POPULAR},
      {"[general]\nPopular=-5\n", VIEW_POPULAR},  // any non-zero value counts as on
  };
  for (const Case& c : cases) {
    WriteTestFile(File("setting.ini"), c.file);
    g_curGroup = 3;
    CvostekApp app(m_dir.Path(), m_lockPath);
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(g_viewMode, c.expected) << c.file;
    EXPECT_EQ(g_curGroup, 0);
    app.ExitInstance();
  }
}

TEST_F(VostekAppTest, SettingsChangedWhileRunningReachTheFileAtExitWithItsOtherLines) {
  WriteTestFile(File("setting.ini"), "; mine\n[GENERAL]\nwidth=300\n[Other]\nkeep=1\n");
  CvostekApp app(m_dir.Path(), m_lockPath);
  ASSERT_TRUE(app.InitInstance());
  EXPECT_EQ(g_settings.width, 300);
  g_settings.g_autohide = 1;
  app.ExitInstance();
  const std::string written = Read("setting.ini");
  EXPECT_NE(written.find("; mine\n"), std::string::npos);
  EXPECT_NE(written.find("width=300\n"), std::string::npos);
  EXPECT_NE(written.find("g_autohide=1\n"), std::string::npos);
  EXPECT_NE(written.find("[Other]\nkeep=1\n"), std::string::npos);
}

TEST_F(VostekAppTest, ALockThatCannotBeMadeIsReportedAndWritesNothing) {
  CvostekApp app(m_dir.Path(), m_runtime.File("missing-folder/lock"));
  EXPECT_FALSE(app.InitInstance());
  ASSERT_EQ(m_messages.size(), 1u);
  EXPECT_NE(m_messages[0].text.find("missing-folder/lock"), std::string::npos);
  EXPECT_EQ(app.ExitInstance(), 1);
  EXPECT_FALSE(Exists("setting.ini"));
  EXPECT_FALSE(Exists("items.vkd"));
}

TEST_F(VostekAppTest, ADamagedCollectionIsKeptAndReportedOnceTheLoopRuns) {
  const std::string damaged("\x01\x00\x05grou", 7);
  WriteTestFile(File("items.vkd"), damaged);
  CvostekApp app(m_dir.Path(), m_lockPath);
  ASSERT_TRUE(app.InitInstance());
  EXPECT_TRUE(m_messages.empty());
  EXPECT_EQ(g_data->GetGroupCount(), 1);

  RunInEventLoop([&app] { QTimer::singleShot(0, &app, &CvostekApp::RequestExit); });
  ASSERT_EQ(m_messages.size(), 1u);
  EXPECT_NE(m_messages[0].text.find("items.vkd.broken"), std::string::npos);

  app.ExitInstance();
  EXPECT_EQ(Read("items.vkd.broken"), damaged);
}

TEST_F(VostekAppTest, AnOversizedSettingsFileStartsWithDefaultsIsReportedAndLeftAlone) {
  const std::string huge = "[GENERAL]\nwidth=2147483647\n;" + std::string(2 << 20, 'x');
  WriteTestFile(File("setting.ini"), huge);
  CvostekApp app(m_dir.Path(), m_lockPath);
  ASSERT_TRUE(app.InitInstance());
  EXPECT_EQ(g_settings.width, Settings{}.width);

  RunInEventLoop([&app] { QTimer::singleShot(0, &app, &CvostekApp::RequestExit); });
  ASSERT_EQ(m_messages.size(), 1u);
  EXPECT_NE(m_messages[0].text.find("setting.ini"), std::string::npos);

  g_settings.g_autohide = 1;
  EXPECT_EQ(app.ExitInstance(), 1);
  EXPECT_EQ(Read("setting.ini"), huge);
  EXPECT_EQ(m_messages.size(), 1u);  // no failed save at exit: the file is not ours to write
  EXPECT_EQ(Read("items.vkd"), kDefaultCollection);
}

// A full disk: the old files stay, one box names each failure and offers 再試行, which
// saves once space is free again; キャンセル gives up.
TEST_F(VostekAppTest, FailedSavesKeepTheOldFilesNameThemAndAreRetriedAtExit) {
  for (const bool freeSpaceAndRetry : {false, true}) {
    WriteTestFile(File("items.vkd"), kDefaultCollection);
    WriteTestFile(File("setting.ini"), "[GENERAL]\n");
    m_globals.messages.shown.clear();
    CvostekApp app(m_dir.Path(), m_lockPath);
    ASSERT_TRUE(app.InitInstance());
    g_data->AddGroup("More");
    g_settings.width = 999;
    {
      std::optional<ScopedFileSizeLimit> tooSmall(std::in_place, kDefaultCollection.size());
      int boxes = 0;
      SetMessageBoxHandler([&](const std::string& text, MessageButtons buttons, MessageIcon) {
        m_globals.messages.shown.push_back({text, buttons, MessageIcon::Warning});
        if (++boxes == 2) {
          tooSmall.reset();  // space freed while the second box was up
        }
        return freeSpaceAndRetry;
      });
      EXPECT_EQ(app.ExitInstance(), 1);
    }
    if (!freeSpaceAndRetry) {
      EXPECT_EQ(Read("items.vkd"), kDefaultCollection);
      EXPECT_EQ(Read("setting.ini"), "[GENERAL]\n");
      ASSERT_EQ(m_messages.size(), 1u);
      EXPECT_EQ(m_messages[0].buttons, MessageButtons::RetryCancel);
      for (const char* name : {"setting.ini", "items.vkd"}) {
        const std::string& text = m_messages[0].text;
        // The file, then the system's text for what failed with which file.
        EXPECT_NE(text.find(File(name) + " "), std::string::npos) << text;
        EXPECT_NE(text.find("\n" + File(name) + ": " + std::strerror(EFBIG)), std::string::npos)
            << text;
      }
    } else {
      EXPECT_EQ(m_messages.size(), 2u);
      EXPECT_NE(Read("items.vkd").find("More"), std::string::npos);
      EXPECT_NE(Read("setting.ini").find("width=999"), std::string::npos);
    }
  }
}

// The session manager asks for the data, often while a dialog of the window is open;
// another program may still cancel the logout, so the system runs on until the session
// really ends, which ends the loop (and the dialog) as an exit does.
TEST_F(VostekAppTest, TheSessionsRequestForDataWritesBothFilesAndTheSystemRunsOnUntilItEnds) {
  CvostekApp app(m_dir.Path(), m_lockPath);
  ASSERT_TRUE(app.InitInstance());
  g_settings.g_autohide = 1;
  g_data->AddGroup("Kept");
  bool dialogStillOpen = false;
  RunInEventLoop([&] {
    QTimer::singleShot(20, &app, [&] {
      app.OnCommitData();
      EXPECT_NE(Read("setting.ini").find("g_autohide=1\n"), std::string::npos);
      EXPECT_NE(Read("items.vkd").find("Kept"), std::string::npos);
      g_data->AddGroup("Later");
      QTimer::singleShot(50, &app, [&] {
        dialogStillOpen = QApplication::activeModalWidget() != nullptr;
        // What the session manager's end of the session sends the application.
        QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
      });
    });
    CvostekApp::OnAppAbout(app.MainFrame());  // a modal box owned by the window
  });
  EXPECT_TRUE(dialogStillOpen);
  EXPECT_FALSE(app.IsExitRequested());  // the loop ended, but not by our own request
  EXPECT_EQ(app.ExitInstance(), 1);
  EXPECT_NE(Read("items.vkd").find("Later"), std::string::npos);
  EXPECT_TRUE(m_messages.empty());
}

// A few seconds after the last change, what changed is written, and only that: a crash
// then loses little. The files' identities tell which were replaced.
TEST_F(VostekAppTest, ChangesAreWrittenAFewSecondsAfterTheLastOneAndOnlyWhatChanged) {
  CvostekApp app(m_dir.Path(), m_lockPath);
  ASSERT_TRUE(app.InitInstance());
  auto identity = [this](const char* name) {
    struct stat info {};
    return ::stat(File(name).c_str(), &info) == 0 ? info.st_ino : 0;
  };
  ino_t firstCollection = 0;
  RunInEventLoop([&] {
    g_data->AddGroup("Soon");
    QTimer::singleShot(FileSession::kDelayMilliseconds / 2, &app, [&] {
      EXPECT_FALSE(Exists("items.vkd"));  // not at once
      g_data->SetGroupName(1, "Saved");   // a later change: the wait starts again
      QTimer::singleShot(FileSession::kDelayMilliseconds + 500, &app, [&] {
        EXPECT_NE(Read("items.vkd").find("Saved"), std::string::npos);
        EXPECT_FALSE(Exists("setting.ini"));  // unchanged: not written
        firstCollection = identity("items.vkd");
        g_settings.g_autohide = 1;
        QTimer::singleShot(FileSession::kDelayMilliseconds + 500, &app, [&] {
          EXPECT_NE(Read("setting.ini").find("g_autohide=1\n"), std::string::npos);
          EXPECT_EQ(identity("items.vkd"), firstCollection);
          QCoreApplication::exit(0);
        });
      });
    });
  });
  EXPECT_NE(firstCollection, 0u);
  EXPECT_EQ(app.ExitInstance(), 1);
  EXPECT_NE(identity("items.vkd"), firstCollection);  // the exit writes both again
  EXPECT_TRUE(m_messages.empty());
}

// What sits at items.vkd and cannot be read stays as it is; a session that changed the
// collection saves it beside, and says where at start and at exit.
TEST_F(VostekAppTest, AnUnreadableCollectionFileStaysAndChangesGoBesideIt) {
  std::filesystem::create_directory(File("items.vkd"));
  WriteTestFile(File("items.vkd.unsaved"), "an earlier session's");
  for (const bool change : {false, true}) {
    m_globals.messages.shown.clear();
    CvostekApp app(m_dir.Path(), m_lockPath);
    ASSERT_TRUE(app.InitInstance());
    RunInEventLoop([&app] { QTimer::singleShot(0, &app, &CvostekApp::RequestExit); });
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].text.find(File("items.vkd.unsaved.1") + " に保存します"),
              std::string::npos);
    if (change) {
      g_data->AddGroup("Kept");
    }
    app.ExitInstance();
    EXPECT_EQ(Exists("items.vkd.unsaved.1"), change);
    ASSERT_EQ(m_messages.size(), change ? 2u : 1u);
  }
  EXPECT_NE(Read("items.vkd.unsaved.1").find("Kept"), std::string::npos);
  EXPECT_NE(m_messages[1].text.find(File("items.vkd.unsaved.1") + " に保存しました"),
            std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(File("items.vkd")));
  EXPECT_EQ(Read("items.vkd.unsaved"), "an earlier session's");
}

// An older file, its group name in code page 932: read converted, it is kept as found
// under a free name before anything rewrites it, and the user is told so once. Without
// a copy the file stays as it is and the session saves beside it.
TEST_F(VostekAppTest, AnOlderCollectionIsKeptAsFoundBeforeItIsRewrittenAndToldOnce) {
  const std::string older("\x01\x00\x09\x83\x4f\x83\x8b\x81\x5b\x83\x76\x30\x00\x00", 14);
  WriteTestFile(File("items.vkd"), older);
  WriteTestFile(File("items.vkd.cp932"), "an earlier copy");
  auto startAndShowMessages = [this](CvostekApp& app) {
    m_globals.messages.shown.clear();
    ASSERT_TRUE(app.InitInstance());
    RunInEventLoop([&app] { QTimer::singleShot(0, &app, &CvostekApp::RequestExit); });
    EXPECT_EQ(g_data->GetGroupName(0), "グループ0");
  };
  {
    CvostekApp app(m_dir.Path(), m_lockPath);
    {
      ScopedFileSizeLimit noRoomForACopy(older.size() - 1);
      startAndShowMessages(app);
    }
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].icon, MessageIcon::Warning);
    EXPECT_NE(m_messages[0].text.find(File("items.vkd.unsaved") + " に保存します"),
              std::string::npos);
    g_data->AddGroup("Kept");
    app.ExitInstance();
    EXPECT_EQ(Read("items.vkd"), older);
    EXPECT_NE(Read("items.vkd.unsaved").find("Kept"), std::string::npos);
    EXPECT_FALSE(Exists("items.vkd.cp932.1"));
  }
  {
    CvostekApp app(m_dir.Path(), m_lockPath);
    startAndShowMessages(app);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].icon, MessageIcon::None);
    EXPECT_NE(m_messages[0].text.find(File("items.vkd.cp932.1") + " に残してあります"),
              std::string::npos);
    EXPECT_EQ(Read("items.vkd.cp932.1"), older);
    EXPECT_EQ(Read("items.vkd.cp932"), "an earlier copy");
    app.ExitInstance();
    EXPECT_EQ(Read("items.vkd"), kDefaultCollection);  // the same group name, in UTF-8
    EXPECT_EQ(m_messages.size(), 1u);
  }
  {
    CvostekApp app(m_dir.Path(), m_lockPath);
    startAndShowMessages(app);
    app.ExitInstance();
    EXPECT_TRUE(m_messages.empty());
    EXPECT_FALSE(Exists("items.vkd.cp932.2"));
  }
}

// Another environment means another single-instance lock; the data folder's own lock
// still lets only one instance use its files.
TEST_F(VostekAppTest, TwoInstancesWithDifferentLocksNeverShareOneFolder) {
  CvostekApp first(m_dir.Path(), m_lockPath);
  ASSERT_TRUE(first.InitInstance());
  ScopedTempDir otherRuntime;
  {
    CvostekApp second(m_dir.Path(), otherRuntime.File("letsgosoundingourheels"));
    EXPECT_FALSE(second.InitInstance());
    EXPECT_EQ(second.ExitInstance(), 1);
  }
  EXPECT_FALSE(Exists("setting.ini"));
  EXPECT_TRUE(m_messages.empty());
  first.ExitInstance();
  EXPECT_TRUE(Exists("setting.ini"));
}

TEST_F(VostekAppTest, AnExitRequestClosesAnOpenMessage) {
  SetMessageBoxHandler(ShowQtMessageBox);
  CvostekApp app(m_dir.Path(), m_lockPath);
  bool answer = true;
  RunInEventLoop([&] {
    QTimer::singleShot(20, &app, &CvostekApp::RequestExit);
    answer = ShowMessageBox("question", MessageButtons::OkCancel, MessageIcon::Warning);
  });
  EXPECT_FALSE(answer);  // closed unanswered: not an OK
  EXPECT_TRUE(app.IsExitRequested());
}

namespace {

// Runs the event loop, as the program waits between events, for `milliseconds`.
void RunEventLoopFor(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

// A user who changes something every second and a half still has the first change on
// disk within ten seconds: the wait after the last change has a bound.
TEST_F(VostekAppTest, ChangesReachTheDiskWithinTenSecondsHoweverBusyTheUserIs) {
  CvostekApp app(m_dir.Path(), m_lockPath);
  ASSERT_TRUE(app.InitInstance());
  QElapsedTimer sinceFirst;
  sinceFirst.start();
  g_data->AddGroup("First");
  qint64 savedAfter = -1;
  for (int change = 0; change < 9 && savedAfter < 0; ++change) {
    RunEventLoopFor(1500);
    if (Exists("items.vkd") && Read("items.vkd").find("First") != std::string::npos) {
      savedAfter = sinceFirst.elapsed();
    }
    g_data->AddGroup("Busy");
  }
  EXPECT_GE(savedAfter, FileSession::kDelayMilliseconds);
  EXPECT_LE(savedAfter, FileSession::kLongestWaitMilliseconds + 1500);
  app.ExitInstance();
}

// What the files stand on is taken away while the system runs: the data folder deleted
// or moved away is made again at once with both files and its lock, and no other start
// takes it even before that; a folder put where items.vkd was is left alone and the
// collection goes beside it. The user is told each time in a balloon.
TEST_F(VostekAppTest, FilesTakenAwayWhileRunningAreMadeAgainOrSavedBeside) {
  struct Case {
    const char* what;
    std::function<void(const std::string& folder)> takeAway;
    const char* collectionFile;  // where the collection is found afterwards
  };
  const Case cases[] = {
      {"folder deleted", [](const std::string& folder) { std::filesystem::remove_all(folder); },
       "items.vkd"},
      {"folder moved away",
       [](const std::string& folder) { std::filesystem::rename(folder, folder + ".old"); },
       "items.vkd"},
      {"items.vkd made a folder",
       [](const std::string& folder) {
         std::filesystem::remove(folder + "/items.vkd");
         std::filesystem::create_directory(folder + "/items.vkd");
       },
       "items.vkd.unsaved"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedTempDir parent;
    const std::string folder = parent.File("vostek");
    std::filesystem::create_directory(folder);
    WriteTestFile(folder + "/setting.ini", "[GENERAL]\nwidth=321\n");
    CvostekApp app(folder, m_lockPath);
    ASSERT_TRUE(app.InitInstance());
    QSignalSpy balloons(&app, &CvostekApp::notified);
    g_data->AddGroup("Mine");
    RunEventLoopFor(FileSession::kDelayMilliseconds + 300);
    ASSERT_NE(ReadTestFile(folder + "/items.vkd").find("Mine"), std::string::npos);

    c.takeAway(folder);
    {
      // Another start, before this one has noticed: the folder is not its to take.
      VostekData* const ours = g_data;  // one process is one instance: this shares g_data
      ScopedTempDir otherRuntime;
      CvostekApp second(folder, otherRuntime.File("letsgosoundingourheels"));
      EXPECT_FALSE(second.InitInstance());
      second.ExitInstance();
      g_data = ours;
    }
    g_data->AddGroup("Later");
    RunEventLoopFor(FileSession::kDelayMilliseconds + 300);
    const std::string collection = ReadTestFile(folder + "/" + c.collectionFile);
    EXPECT_NE(collection.find("Mine"), std::string::npos);
    EXPECT_NE(collection.find("Later"), std::string::npos);
    EXPECT_NE(ReadTestFile(folder + "/setting.ini").find("width=321"), std::string::npos);
    EXPECT_EQ(balloons.size(), 1);
    app.ExitInstance();
    EXPECT_NE(ReadTestFile(folder + "/" + c.collectionFile).find("Later"), std::string::npos);
    m_globals.messages.shown.clear();
  }
}

// A full disk while running: the first failure is told in a balloon (the next ones are
// not), the old file stays, and the save is tried again until it works.
TEST_F(VostekAppTest, AFailedSaveWhileRunningIsToldOnceAndTriedAgain) {
  WriteTestFile(File("items.vkd"), kDefaultCollection);
  CvostekApp app(m_dir.Path(), m_lockPath);
  ASSERT_TRUE(app.InitInstance());
  QSignalSpy balloons(&app, &CvostekApp::notified);
  {
    ScopedFileSizeLimit full(kDefaultCollection.size());
    for (const char* group : {"One", "Two"}) {
      g_data->AddGroup(group);
      RunEventLoopFor(FileSession::kDelayMilliseconds + 300);
      EXPECT_EQ(Read("items.vkd"), kDefaultCollection);
    }
  }
  ASSERT_EQ(balloons.size(), 1);
  EXPECT_NE(balloons[0][1].toString().toStdString().find(std::strerror(EFBIG)), std::string::npos);
  RunEventLoopFor(FileSession::kRetryMilliseconds + 300);  // no change since: the retry saves
  EXPECT_NE(Read("items.vkd").find("Two"), std::string::npos);
  app.ExitInstance();
  EXPECT_TRUE(m_messages.empty());
}
