#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/globals.h"
#include "platform/linux/folder_lock.h"
#include "platform/linux/instance_lock.h"
#include "platform/linux/linux_shell.h"
#include "store/collection_file.h"

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
class CvostekApp : public QObject {
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
  // What was last written, or read at start: a write is skipped while it is current.
  struct Written {
    std::uint64_t collectionGeneration = 0;
    Settings settings;
    bool operator==(const Written&) const = default;
  };
  enum class Reporting { Boxes, TimedBoxes, StandardErrorOnly };
  enum class Claim { Claimed, AnotherInstanceRuns, LockFailed, FolderInUse };

  void TakeCollection(CollectionLoadResult loaded);  // into g_data, its message queued
  void WriteFiles(Reporting reporting, bool atExit);
  // What changed since the last write; a failure goes to stderr, and the first of a run
  // of them to a balloon. False when something could not be saved.
  bool SaveChanges();
  // Writes both files (`all`) or what changed; returns a message for each failure.
  std::vector<std::string> SaveFiles(bool all);
  bool HoldFolder(std::vector<std::string>* failures);
  void WatchFolder();
  void Notify(const std::string& title, const std::string& text);
  bool SaveSettingsFile(std::string* message);
  bool SaveCollectionFile(std::string* message);
  static void WriteFilesAtProcessExit();
  std::string SettingsPath() const;
  std::string CollectionPath() const;

  std::string m_folder;
  std::string m_lockPath;
  InstanceLock m_lock;
  FolderLock m_folderLock;
  std::optional<Claim> m_claim;  // none until ClaimFiles ran
  std::string m_lockError;       // the system's text when the lock could not be had
  std::future<CollectionLoadResult> m_loading;
  bool m_settingsSaveAllowed = true;  // false for a file left alone at start
  std::string m_collectionSavePath;   // the collection file, or a new file beside it
  bool m_savesAside = false;          // the collection file is not to be replaced
  std::uint64_t m_loadedGeneration = 0;
  Written m_written;
  bool m_filesRead = false;  // this instance owns the files: it read them and writes them
  bool m_exitRequested = false;
  bool m_mustWriteAll = false;  // the folder was made again: both files are gone
  bool m_saveFailing = false;   // the last save failed, and the user was told
  QFileSystemWatcher* m_folderWatcher = nullptr;
  std::unique_ptr<InstanceRequestServer> m_requests;
  bool m_unattendedExit = false;
  std::unique_ptr<VostekData> m_data;  // g_data points here while the system runs
  LinuxShell m_shell;                  // what the list opens and takes in items through
  QPointer<CMainFrame> m_frame;
  AutoSave* m_autoSave = nullptr;
};
