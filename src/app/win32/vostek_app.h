#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/windows/windows_shell.h"

class CMainFrame;
class VostekData;

// Start-up and exit of the Windows program. Start-up: the common controls, the
// single-instance mutex, OLE, the shell's allocator, the settings, the collection, and
// the main window, created hidden; the program then waits in the tray. Exit, in the
// instance that owns the mutex: the settings and the collection are written, each only
// when it was read.
class CvostekApp {
 public:
  explicit CvostekApp(std::string folder);
  ~CvostekApp();
  CvostekApp(const CvostekApp&) = delete;
  CvostekApp& operator=(const CvostekApp&) = delete;

  bool InitInstance();
  // The message loop, until the exit command; then ExitInstance's result.
  int Run();
  int ExitInstance();
  CMainFrame* MainFrame() const { return m_frame.get(); }

 private:
  std::string SettingsPath() const;
  std::string CollectionPath() const;
  // The exit command: the window and its view go, then the files are written.
  void OnAppExit();
  void WriteFiles();

  std::string m_folder;
  HANDLE m_mutex = nullptr;
  bool m_oleStarted = false;
  bool m_allocatorInstalled = false;
  bool m_settingsRead = false;
  bool m_settingsSaveAllowed = true;
  std::string m_collectionSavePath;  // the collection file, or a new file beside it
  bool m_savesAside = false;
  std::uint64_t m_loadedGeneration = 0;
  bool m_filesWritten = false;
  std::unique_ptr<VostekData> m_data;
  WindowsShell m_shell;  // what the list opens and takes in items through
  std::unique_ptr<CMainFrame> m_frame;
};
