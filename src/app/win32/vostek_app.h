#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "app/file_session.h"
#include "platform/windows/windows_shell.h"

class CMainFrame;

// Start-up and exit of the Windows program. Start-up: the common controls, the
// single-instance mutex, OLE, the shell's allocator, the settings, and the main window,
// created hidden while the collection is read; the program then waits in the tray.
// While it runs, what changed is written a few seconds after the last change, and a save
// that fails is told in a balloon and tried again. Exit, in the instance that owns the
// mutex: the settings and the collection are written, with 再試行 while that fails. The
// file session decides all of that; this gives it a thread timer and the tray.
class CvostekApp : private FileSessionHost {
 public:
  explicit CvostekApp(std::string folder);
  ~CvostekApp() override;
  CvostekApp(const CvostekApp&) = delete;
  CvostekApp& operator=(const CvostekApp&) = delete;

  bool InitInstance();
  // The message loop, until the exit command; then ExitInstance's result.
  int Run();
  int ExitInstance();
  CMainFrame* MainFrame() const { return m_frame.get(); }

 private:
  // FileSessionHost
  void StartTimer(int milliseconds) override;
  std::int64_t Now() const override;
  void Notify(const std::string& title, const std::string& text) override;

  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD);
  void StopTimer();
  // The exit command: the window and its view go, then the files are written.
  void OnAppExit();
  void WriteFiles();

  HANDLE m_mutex = nullptr;
  bool m_oleStarted = false;
  bool m_allocatorInstalled = false;
  bool m_filesWritten = false;
  FileSession m_session;
  UINT_PTR m_timer = 0;  // the session's thread timer, while one is due
  WindowsShell m_shell;  // what the list opens and takes in items through
  std::unique_ptr<CMainFrame> m_frame;
};
