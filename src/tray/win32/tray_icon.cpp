#include "tray/win32/tray_icon.h"

#include <cwchar>

#include "frame/win32/win32_menus.h"
#include "platform/windows/wide_text.h"
#include "resources/menus.h"
#include "resources/texts.h"
#include "resources/win32/resource_ids.h"

namespace {

template <std::size_t N>
void CopyText(wchar_t (&field)[N], const std::string& text) {
  std::wcsncpy(field, WideFromUtf8(text).c_str(), N - 1);
  field[N - 1] = L'\0';
}

}  // namespace

TrayIcon::~TrayIcon() {
  Remove();
}

void TrayIcon::Add(HWND owner) {
  m_nid = {};
  m_nid.cbSize = sizeof m_nid;
  m_nid.hWnd = owner;
  m_nid.uID = 1;
  m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  m_nid.uCallbackMessage = WM_TRAYNOTIFY;
  m_nid.hIcon = static_cast<HICON>(::LoadImageW(
      ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME_RESOURCE), IMAGE_ICON,
      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0));
  CopyText(m_nid.szTip, texts::kAppTitle);
  ::Shell_NotifyIconW(NIM_ADD, &m_nid);
  m_added = true;
}

void TrayIcon::ShowBalloon(const std::string& title, std::function<std::string(TrayClick)> text,
                           std::function<void()> onClick) {
  m_balloonClick = std::move(onClick);
  m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
  m_nid.dwInfoFlags = NIIF_INFO;
  CopyText(m_nid.szInfoTitle, title);
  CopyText(m_nid.szInfo, text(TrayClick::Double));
  ::Shell_NotifyIconW(NIM_MODIFY, &m_nid);
}

void TrayIcon::Remove() {
  if (!m_added) {
    return;
  }
  ::Shell_NotifyIconW(NIM_DELETE, &m_nid);
  if (m_nid.hIcon != nullptr) {
    ::DestroyIcon(m_nid.hIcon);
  }
  m_added = false;
}

void TrayIcon::OnNotify(LPARAM mouseMessage, HWND frame, const std::function<void()>& show,
                        const std::function<void(int id)>& run) {
  if (mouseMessage == WM_LBUTTONDBLCLK) {
    show();
    return;
  }
  if (mouseMessage == NIN_BALLOONUSERCLICK) {
    if (m_balloonClick) {
      m_balloonClick();
    }
    return;
  }
  if (mouseMessage != WM_RBUTTONUP) {
    return;
  }
  HMENU menu = BuildPopupMenu(menus::kTrayMenu);
  if (!m_showEntryText.empty()) {
    ::ModifyMenuW(menu, menus::kTrayMenuDefault, MF_BYCOMMAND | MF_STRING,
                  static_cast<UINT_PTR>(menus::kTrayMenuDefault),
                  WideFromUtf8(m_showEntryText).c_str());
  }
  ::SetMenuDefaultItem(menu, menus::kTrayMenuDefault, FALSE);
  POINT cursor{};
  ::GetCursorPos(&cursor);
  // In the foreground, so that the menu closes when the user clicks elsewhere.
  ::SetForegroundWindow(frame);
  const int chosen = ::TrackPopupMenu(
      menu, TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY, cursor.x,
      cursor.y, 0, frame, nullptr);
  ::DestroyMenu(menu);
  if (chosen != 0) {
    run(chosen);
  }
}
