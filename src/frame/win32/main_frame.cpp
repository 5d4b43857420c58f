#include "frame/win32/main_frame.h"

#include <commctrl.h>

#include <cwchar>

#include "app/globals.h"
#include "frame/check_marks.h"
#include "frame/win32/win32_menus.h"
#include "platform/windows/wide_text.h"
#include "resources/command_ids.h"
#include "resources/menus.h"
#include "resources/texts.h"
#include "resources/win32/resource_ids.h"
#include "tray/win32/show_at_cursor.h"
#include "view/win32/vostek_view.h"

namespace {

constexpr wchar_t kFrameClass[] = L"VostekFrame";
// A pop-up with a caption and a sizing border: no system menu, no buttons.
constexpr DWORD kFrameStyle = WS_POPUP | WS_CAPTION | WS_THICKFRAME;

std::function<void(CMainFrame&)>& IdleObserver() {
  static std::function<void(CMainFrame&)> observer;
  return observer;
}

void RegisterFrameClass() {
  WNDCLASSEXW frameClass{};
  frameClass.cbSize = sizeof frameClass;
  frameClass.lpfnWndProc = DefWindowProcW;
  frameClass.hInstance = ::GetModuleHandleW(nullptr);
  frameClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  frameClass.hIcon = ::LoadIconW(frameClass.hInstance, MAKEINTRESOURCEW(IDR_MAINFRAME_RESOURCE));
  frameClass.lpszClassName = kFrameClass;
  ::RegisterClassExW(&frameClass);
}

// A key meant for the in-place name editor (class "Edit") never becomes a command.
bool IsForEditor(const MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) {
    return false;
  }
  wchar_t name[256] = {};
  ::GetClassNameW(message.hwnd, name, 256);
  return std::wcscmp(name, L"Edit") == 0;
}

}  // namespace

CMainFrame::CMainFrame(DesktopShell& shell, std::function<void(HWND)> about,
                       std::function<void()> exit, std::function<void()> awaitCollection)
    : m_shell(shell),
      m_about(std::move(about)),
      m_exit(std::move(exit)),
      m_awaitCollection(std::move(awaitCollection)) {}

CMainFrame::~CMainFrame() {
  if (m_frame != nullptr) {
    ::DestroyWindow(m_frame);
  }
  if (m_accelerators != nullptr) {
    ::DestroyAcceleratorTable(m_accelerators);
  }
}

bool CMainFrame::Create() {
  RegisterFrameClass();
  const ScreenSize size = SavedOuterSize(g_settings, PrimaryWorkArea());
  m_frame = ::CreateWindowExW(0, kFrameClass, WideFromUtf8(texts::kTemplateTitle).c_str(),
                              kFrameStyle, CW_USEDEFAULT, CW_USEDEFAULT, size.width, size.height,
                              nullptr, BuildMenuBar(), ::GetModuleHandleW(nullptr), nullptr);
  if (m_frame == nullptr) {
    return false;
  }
  ::SetWindowLongPtrW(m_frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::SetWindowLongPtrW(m_frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
  if (OnCreate() != 0) {
    ::DestroyWindow(m_frame);
    m_frame = nullptr;
    return false;
  }
  OnSize();
  return true;
}

int CMainFrame::OnCreate() {
  if (!m_toolbar.Create(m_frame)) {
    return -1;
  }
  m_accelerators = BuildAccelerators();
  m_view = std::make_unique<CvostekView>(m_frame, m_shell, [this] { m_toolbarStale = true; });
  if (!m_view->Create()) {
    return -1;
  }
  m_router.AddFrameCommand(ID_VIEW_TOOLBAR, [this] { OnViewToolbar(); });
  m_router.AddFrameCommand(ID_APP_ABOUT, [this] { m_about(m_frame); });
  m_router.AddFrameCommand(ID_APP_EXIT, [this] { m_exit(); });
  m_router.AddFrameCommand(ID_SHOW, [this] { m_view->OnShow(); });
  m_router.AddFrameCommand(ID_HOTKEY_SETTINGS, [this] { m_view->OnHotKeySettings(); });
  m_router.SetViewCommands([this](int id) { return m_view->Logic().IsCommandEnabled(id); },
                           [this](int id) { return m_view->RunCommand(id); });
  SyncSettingsMenu();
  m_toolbar.Show(g_settings.showtool != 0);
  if (m_awaitCollection) {
    m_awaitCollection();
  }
  m_view->OnInitialUpdate();
  return 0;
}

bool CMainFrame::RunCommand(int id) {
  const bool ran = m_router.Run(id);
  SyncSettingsMenu();
  m_toolbarStale = true;
  return ran;
}

void CMainFrame::SyncSettingsMenu() {
  HMENU settings = ::GetSubMenu(::GetMenu(m_frame), menus::kSettingsMenuPosition);
  for (const int id : CheckMarkIds()) {
    ::CheckMenuItem(settings, static_cast<UINT>(id),
                    MF_BYCOMMAND | (IsChecked(id, g_settings) ? MF_CHECKED : MF_UNCHECKED));
  }
}

void CMainFrame::OnViewToolbar() {
  g_settings.showtool = g_settings.showtool != 0 ? 0 : 1;
  m_toolbar.Show(g_settings.showtool != 0);
  OnSize();
}

void CMainFrame::OnSize() {
  RECT client{};
  ::GetClientRect(m_frame, &client);
  ::SendMessageW(m_toolbar.Handle(), TB_AUTOSIZE, 0, 0);
  client.top += m_toolbar.Height();
  if (m_view) {
    m_view->Resize(client);
  }
}

bool CMainFrame::PreTranslateMessage(MSG& message) {
  if (IsForEditor(message) || m_accelerators == nullptr) {
    return false;
  }
  return ::TranslateAcceleratorW(m_frame, m_accelerators, &message) != 0;
}

void CMainFrame::OnIdle() {
  if (m_toolbarStale && m_view) {
    m_toolbar.Update([this](int id) { return m_router.IsEnabled(id); });
    m_toolbarStale = false;
  }
  if (IdleObserver() && m_view) {
    IdleObserver()(*this);
  }
}

void CMainFrame::SetIdleObserver(std::function<void(CMainFrame& frame)> observer) {
  IdleObserver() = std::move(observer);
}

LRESULT CALLBACK CMainFrame::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* frame = reinterpret_cast<CMainFrame*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (frame == nullptr) {
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  return frame->OnMessage(message, wParam, lParam);
}

LRESULT CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0 || reinterpret_cast<HWND>(lParam) == m_toolbar.Handle()) {
        RunCommand(LOWORD(wParam));
        return 0;
      }
      break;
    case WM_INITMENUPOPUP:
      UpdateMenuEntries(reinterpret_cast<HMENU>(wParam),
                        [this](int id) { return m_router.IsEnabled(id); });
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      LRESULT result = 0;
      if (m_toolbar.OnNotify(header)) {
        return 0;
      }
      if (m_view && m_view->OnNotify(header, &result)) {
        return result;
      }
      break;
    }
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED) {
        if (m_view) {
          m_view->Logic().OnHide();
        }
        return 0;
      }
      // Only a size the user gives by a drag is kept: not a maximised one, nor one the
      // program or the window manager sets.
      if (m_userSizing && wParam == SIZE_RESTORED) {
        RECT outer{};
        ::GetWindowRect(m_frame, &outer);
        g_settings.width = outer.right - outer.left;
        g_settings.height = outer.bottom - outer.top;
      }
      OnSize();
      return 0;
    case WM_ENTERSIZEMOVE:
      m_userSizing = true;
      break;
    case WM_EXITSIZEMOVE:
      m_userSizing = false;
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE && m_view) {
        m_view->OnFrameDeactivated();
      }
      break;
    case WM_SETFOCUS:
      // However the frame was activated (the window manager, a closed dialog), the keys
      // go to the list.
      if (m_view) {
        ::SetFocus(m_view->Handle());
      }
      return 0;
    case WM_ACTIVATEAPP: {
      const LRESULT result = ::DefWindowProcW(m_frame, message, wParam, lParam);
      if (wParam == FALSE && m_view) {
        m_view->Logic().OnActivateApp(false);
        m_toolbarStale = true;
      }
      return result;
    }
    case WM_CLOSE:  // Alt+F4 arrives as the exit command; the caption has no close box
      m_exit();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam != FALSE) {
        m_exit();
      }
      return 0;
    case WM_DESTROY:
      m_view.reset();  // gives up the hot-key, the tray icon and the drop target
      return 0;
    default:
      break;
  }
  return ::DefWindowProcW(m_frame, message, wParam, lParam);
}
