#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/file_session.h"
#include "platform/linux/instance_lock.h"
#include "platform/linux/linux_shell.h"

class AutoSave;
class CMainFrame;
class InstanceRequestServer;
class QFileSystemWatcher;
class QWidget;

// Where the process enters the system and where it leaves it. InitInstance claims the
// single-instance lock (unless ClaimFiles did so before), reads the settings, chooses
// the start view, loads the collection and creates the main window hidden, the window
// while the collection is read; ExitInstance destroys the window and
// writes the settings and the collection back. While the system runs, what changed is
// also written a few seconds after the last change, so that a crash loses little; a
// save that fails is told in a balloon and tried again, and the exit offers 再試行.
// The file session decides all of that; this gives it Qt's timer and the tray.
class CvostekApp : public QObject, private FileSessionHost {
  Q_OBJECT

 public:
  // `folder`: where setting.ini and items.vkd live (the current directory at start);
  // `lockPath`: the single-instance lock file.
  CvostekApp(std::string folder, std::string lockPath);
  ~CvostekApp() override;
  CvostekApp(const CvostekApp&) = delete;
  CvostekApp& operator=(const CvostekApp&) = delete;

  // Takes the single-instance lock, which decides whether another instance runs.
  void ClaimInstance();
  // Takes the single-instance lock (unless ClaimInstance did) and the data folder's
  // lock, and starts reading the
  // collection on a worker. It needs no toolkit, so that a start can do it before the
  // toolkit comes up; InitInstance does it when it was not done.
  void ClaimFiles();
  // True when the system is to run its event loop; false when the process is to end
  // at once (another instance runs, or the lock cannot be had). A running instance
  // listens for the requests of later starts from here on.
  bool InitInstance();
  // After InitInstance gave false: whether that was because another instance runs.
  bool AnotherInstanceRuns() const { return m_claim == Claim::AnotherInstanceRuns; }
  // Destroys the main window, then, in the instance that holds the lock (which has read
  // the settings), writes the settings and the collection. The process's exit code: always 1.
  int ExitInstance();

  // Ends the event loop, and every dialog open in it, on the way to ExitInstance. A
  // second call while the exit shows a message closes that message.
  void RequestExit();
  // An exit nobody may be there to watch (a signal, the end of the session): a failure
  // at exit also goes to standard error, and its message closes itself after a while.
  void RequestUnattendedExit();
  bool IsExitRequested() const { return m_exitRequested; }

  // The session manager asks for the data before the session may end: both files are
  // written now, and the system runs on, since another program may still cancel the
  // logout. The end of the session itself ends the event loop as an exit does.
  void OnCommitData();

  // The version box, modal.
  static void OnAppAbout(QWidget* parent = nullptr);

  CMainFrame* MainFrame() const;

 signals:
  // Something the user should know while the system runs, shown as a tray balloon.
  void notified(const QString& title, const QString& text);

 private:
  enum class Claim { Claimed, AnotherInstanceRuns, LockFailed, FolderInUse };

  // FileSessionHost
  void StartTimer(int milliseconds) override;
  std::int64_t Now() const override;
  void Notify(const std::string& title, const std::string& text) override;
  void WatchFolder() override;

  void ShowWhenTheLoopRuns(const std::string& message, MessageIcon icon = MessageIcon::Warning);
  static void WriteFilesAtProcessExit();

  std::string m_lockPath;
  InstanceLock m_lock;
  FileSession m_session;
  std::optional<Claim> m_claim;  // none until ClaimFiles ran
  std::string m_lockError;       // the system's text when the lock could not be had
  bool m_exitRequested = false;
  QFileSystemWatcher* m_folderWatcher = nullptr;
  std::unique_ptr<InstanceRequestServer> m_requests;
  bool m_unattendedExit = false;
  LinuxShell m_shell;  // what the list opens and takes in items through
  QPointer<CMainFrame> m_frame;
  AutoSave* m_autoSave = nullptr;
  QElapsedTimer m_clock;
};
