#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "frame/command_router.h"
#include "frame/win32/win32_toolbar.h"

class CvostekView;
class DesktopShell;

// The one top-level window: a pop-up with a caption and a sizing border but no buttons,
// the menu bar, the toolbar and the list as its client. Menus, accelerators, the toolbar
// and the tray menu all act through its command router.
class CMainFrame {
 public:
  // `about` shows the version dialog; `exit` ends the program. The list opens and takes
  // in items through `shell`, which outlives the frame. `awaitCollection`, when given,
  // returns once the collection is in g_data: it is called once everything that needs no
  // collection is made, and until then nothing here reads the collection (it may be being
  // read on another thread).
  CMainFrame(DesktopShell& shell, std::function<void(HWND)> about, std::function<void()> exit,
             std::function<void()> awaitCollection = {});
  ~CMainFrame();
  CMainFrame(const CMainFrame&) = delete;
  CMainFrame& operator=(const CMainFrame&) = delete;

  // Creates the window (hidden) at the saved size, its toolbar and the view; false on
  // failure.
  bool Create();
  HWND Handle() const { return m_frame; }
  CvostekView* View() const { return m_view.get(); }

  // Called with each message before it is dispatched: the accelerators, except for keys
  // meant for an in-place editor. True when the message was handled.
  bool PreTranslateMessage(MSG& message);
  // When the message queue runs empty: the toolbar follows the command rules.
  void OnIdle();
  bool RunCommand(int id);

  // Something to be told whenever the program falls idle; nothing by default.
  static void SetIdleObserver(std::function<void(CMainFrame& frame)> observer);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  int OnCreate();
  void OnSize();
  void OnViewToolbar();
  void SyncSettingsMenu();

  DesktopShell& m_shell;
  std::function<void(HWND)> m_about;
  std::function<void()> m_exit;
  std::function<void()> m_awaitCollection;
  HWND m_frame = nullptr;
  HACCEL m_accelerators = nullptr;
  Win32Toolbar m_toolbar;
  std::unique_ptr<CvostekView> m_view;
  CommandRouter m_router;
  bool m_toolbarStale = true;
  bool m_userSizing = false;  // in the size-and-move loop of a drag by the user
};
