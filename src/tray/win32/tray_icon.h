#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string>

#include "tray/notification_icon.h"

// The message the tray icon sends its window: wParam the icon id, lParam the mouse
// message.
inline constexpr UINT WM_TRAYNOTIFY = 0x8001;

// The icon in the notification area, tip "VOSTEK", with its balloons and the tray menu.
// The shell's tray takes a double click to show the window. Failures of the shell's tray
// calls have no remedy and are not reported.
class TrayIcon : public NotificationIcon {
 public:
  TrayIcon() = default;
  ~TrayIcon() override;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  void Add(HWND owner);
  void ShowBalloon(const std::string& title, std::function<std::string(TrayClick)> text,
                   std::function<void()> onClick) override;
  void SetShowEntryText(const std::string& text) override { m_showEntryText = text; }
  void Remove();
  // The record last handed to the shell: tip, flags and the balloon's title and text.
  const NOTIFYICONDATAW& Record() const { return m_nid; }

  // A tray notification: a double click shows the window, a right-button release opens
  // the menu whose chosen command goes to `run`, a click on the balloon runs what the
  // balloon was shown with.
  void OnNotify(LPARAM mouseMessage, HWND frame, const std::function<void()>& show,
                const std::function<void(int id)>& run);

 private:
  NOTIFYICONDATAW m_nid{};
  bool m_added = false;
  std::string m_showEntryText;
  std::function<void()> m_balloonClick;
};
