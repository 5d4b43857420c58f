#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <string>

#include "platform/linux/instance_lock.h"

class CMainFrame;
class InstanceRequestServer;
class QWidget;
class VostekData;

// Where the process enters the system and where it leaves it. InitInstance claims the
// single-instance lock, reads the settings, chooses the start view, loads the
// collection and creates the main window hidden; ExitInstance destroys the window and
// writes the settings and the collection back. Nothing is written at any other time.
class CvostekApp : public QObject {
  Q_OBJECT

 public:
  // `folder`: where setting.ini and items.vkd live (the current directory at start);
  // `lockPath`: the single-instance lock file.
  CvostekApp(std::string folder, std::string lockPath);
  ~CvostekApp() override;
  CvostekApp(const CvostekApp&) = delete;
  CvostekApp& operator=(const CvostekApp&) = delete;

  // True when the system is to run its event loop; false when the process is to end
  // at once (another instance runs, or the lock cannot be had). A running instance
  // listens for the requests of later starts from here on.
  bool InitInstance();
  // After InitInstance gave false: whether that was because another instance runs.
  bool AnotherInstanceRuns() const { return m_anotherInstanceRuns; }
  // Destroys the main window, then, in the instance that holds the lock (which has read
  // the settings), writes the settings and the collection. The process's exit code: always 1.
  int ExitInstance();

  // Ends the event loop, and every dialog open in it, on the way to ExitInstance. A
  // second call while the exit shows a message closes that message.
  void RequestExit();
  bool IsExitRequested() const { return m_exitRequested; }

  // The desktop session is ending and may end the process as soon as this returns: the
  // files are written now, then the event loop ends; ExitInstance writes nothing again.
  void OnEndSession();

  // The version box, modal.
  static void OnAppAbout(QWidget* parent = nullptr);

  CMainFrame* MainFrame() const;

 private:
  void WriteFiles();
  std::string SettingsPath() const;
  std::string CollectionPath() const;

  std::string m_folder;
  std::string m_lockPath;
  InstanceLock m_lock;
  bool m_settingsSaveAllowed = true;  // false for a file left alone at start
  bool m_collectionSaveAllowed = true;
  bool m_filesWritten = false;
  bool m_exitRequested = false;
  bool m_anotherInstanceRuns = false;
  std::unique_ptr<InstanceRequestServer> m_requests;
  std::unique_ptr<VostekData> m_data;  // g_data points here while the system runs
  QPointer<CMainFrame> m_frame;
};
