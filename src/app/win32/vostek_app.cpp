#include "app/win32/vostek_app.h"

#include <commctrl.h>
#include <ole2.h>

#include "app/globals.h"
#include "app/message_box.h"
#include "app/win32/about_dialog.h"
#include "frame/win32/main_frame.h"
#include "platform/windows/shell_allocator.h"
#include "resources/texts.h"
#include "store/files.h"
#include "view/win32/vostek_view.h"

namespace {

constexpr wchar_t kMutexName[] = L"letsgosoundingourheels";

// The one application whose session a thread timer's callback serves.
CvostekApp* g_timerApp = nullptr;

}  // namespace

CvostekApp::CvostekApp(std::string folder)
    : m_session(SystemFiles(), *this, std::move(folder), '\\') {}

CvostekApp::~CvostekApp() {
  StopTimer();
  m_frame.reset();
  m_session.Close();  // the ID lists go back to the allocator that made them
  if (m_allocatorInstalled) {
    ReleaseShellAllocator();
  }
  if (m_oleStarted) {
    ::OleUninitialize();
  }
}

bool CvostekApp::InitInstance() {
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  // Check and claim in one step, so two instances started at once cannot both run.
  m_mutex = ::CreateMutexW(nullptr, TRUE, kMutexName);
  if (m_mutex != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS) {
    ::CloseHandle(m_mutex);
    m_mutex = nullptr;
    return false;  // the running instance carries on undisturbed; nothing is shown
  }
  if (FAILED(::OleInitialize(nullptr))) {
    ShowMessageBox(texts::kOleInitError);
    return false;
  }
  m_oleStarted = true;
  if (!InstallShellAllocator()) {
    ShowMessageBox(texts::kShellAllocatorError);
    return false;
  }
  m_allocatorInstalled = true;

  // The collection's ID lists come from the shell's allocator, so the read starts here;
  // the window is made meanwhile.
  if (!m_session.Claim()) {
    return false;
  }
  const std::string settingsMessage = m_session.Open();
  g_curGroup = 0;
  g_viewMode = StartViewMode(g_settings);

  CollectionNotice collectionNotice;
  m_frame = std::make_unique<CMainFrame>(
      m_shell, [](HWND owner) { RunAboutDialog(owner); }, [this] { OnAppExit(); },
      [this, &collectionNotice] { collectionNotice = m_session.TakeCollection(); });
  if (!m_frame->Create()) {
    return false;
  }
  ::ShowWindow(m_frame->Handle(), SW_HIDE);
  m_session.StartRunning();
  for (const CollectionNotice& notice :
       {CollectionNotice{settingsMessage, MessageIcon::Warning}, collectionNotice}) {
    if (!notice.text.empty()) {
      ShowMessageBox(notice.text, MessageButtons::Ok, notice.icon);
    }
  }
  return true;
}

int CvostekApp::Run() {
  MSG message{};
  for (;;) {
    while (!::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      m_frame->OnIdle();
      m_session.OnAboutToWait();
      ::WaitMessage();
    }
    if (::GetMessageW(&message, nullptr, 0, 0) <= 0) {
      break;
    }
    if (m_frame->Handle() != nullptr && m_frame->PreTranslateMessage(message)) {
      continue;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return ExitInstance();
}

void CvostekApp::StartTimer(int milliseconds) {
  StopTimer();
  g_timerApp = this;
  m_timer = ::SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), &CvostekApp::OnTimer);
}

void CvostekApp::StopTimer() {
  if (m_timer != 0) {
    ::KillTimer(nullptr, m_timer);
    m_timer = 0;
  }
}

void CALLBACK CvostekApp::OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  CvostekApp* app = g_timerApp;
  if (app == nullptr || timer != app->m_timer) {
    ::KillTimer(nullptr, timer);  // one replaced while its message waited
    return;
  }
  app->StopTimer();  // one shot
  app->m_session.OnTimer();
}

std::int64_t CvostekApp::Now() const {
  return static_cast<std::int64_t>(::GetTickCount64());
}

void CvostekApp::Notify(const std::string& title, const std::string& text) {
  if (m_frame != nullptr && m_frame->View() != nullptr) {
    m_frame->View()->ShowBalloon(title, text);
  }
}

void CvostekApp::OnAppExit() {
  StopTimer();  // the exit writes everything; its messages must not meet a save
  if (m_frame->Handle() != nullptr) {
    ::DestroyWindow(m_frame->Handle());
  }
  WriteFiles();
  ::PostQuitMessage(0);
}

int CvostekApp::ExitInstance() {
  StopTimer();
  if (!m_filesWritten) {
    WriteFiles();
  }
  g_timerApp = nullptr;
  return 1;
}

void CvostekApp::WriteFiles() {
  m_filesWritten = true;
  if (m_mutex == nullptr) {
    return;  // an instance that gave way
  }
  m_session.WriteFiles(FileSession::Reporting::Boxes, /*atExit=*/true);
}
