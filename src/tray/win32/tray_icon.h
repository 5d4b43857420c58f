#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string>

// The message the tray icon sends its window: wParam the icon id, lParam the mouse
// message.
inline constexpr UINT WM_TRAYNOTIFY = 0x8001;

// The icon in the notification area, tip "VOSTEK", with the greeting balloon and the
// tray menu. Failures of the shell's tray calls have no remedy and are not reported.
class TrayIcon {
 public:
  TrayIcon() = default;
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  void Add(HWND owner);
  void ShowBalloon(const std::string& title, const std::string& text);
  // The text of the menu's entry that shows the window (it names the hot-key).
  void SetShowEntryText(const std::string& text) { m_showEntryText = text; }
  void Remove();

  // A tray notification: a double click shows the window, a right-button release opens
  // the menu whose chosen command goes to `run`.
  void OnNotify(LPARAM mouseMessage, HWND frame, const std::function<void()>& show,
                const std::function<void(int id)>& run);

 private:
  NOTIFYICONDATAW m_nid{};
  bool m_added = false;
  std::string m_showEntryText;
};
