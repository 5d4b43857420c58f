#include "app/win32/vostek_app.h"

#include <commctrl.h>
#include <ole2.h>

#include "app/globals.h"
#include "app/message_box.h"
#include "app/settings.h"
#include "app/win32/about_dialog.h"
#include "frame/win32/main_frame.h"
#include "platform/windows/shell_allocator.h"
#include "resources/texts.h"
#include "store/atomic_file.h"
#include "store/collection_file.h"
#include "store/fill_text.h"
#include "store/vostek_item.h"
#include "view/win32/vostek_view.h"

namespace {

constexpr wchar_t kMutexName[] = L"letsgosoundingourheels";
constexpr char kCollectionFileName[] = "items.vkd";

}  // namespace

CvostekApp::CvostekApp(std::string folder) : m_folder(std::move(folder)) {}

CvostekApp::~CvostekApp() {
  m_frame.reset();
  if (g_data == m_data.get()) {
    g_data = nullptr;
  }
  m_data.reset();
  if (m_allocatorInstalled) {
    ReleaseShellAllocator();
  }
  if (m_oleStarted) {
    ::OleUninitialize();
  }
}

std::string CvostekApp::SettingsPath() const {
  return m_folder + "\\" + kSettingsFileName;
}

std::string CvostekApp::CollectionPath() const {
  return m_folder + "\\" + kCollectionFileName;
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

  // Only the holder of the mutex writes here, so a temporary file beside ours is what a
  // killed save left behind.
  RemoveStaleTemporaries(SettingsPath());
  RemoveStaleTemporaries(CollectionPath());
  std::string settingsSetAside;
  g_settings = ReadSettings(SettingsPath(), &settingsSetAside);
  m_settingsRead = true;
  m_settingsSaveAllowed = settingsSetAside.empty();
  g_curGroup = 0;
  g_viewMode = StartViewMode(g_settings);

  CollectionLoadResult loaded = LoadCollectionFile(CollectionPath());
  m_data = std::move(loaded.data);
  g_data = m_data.get();
  m_collectionSavePath = loaded.savePath;
  m_savesAside = loaded.SavesAside(CollectionPath());
  m_loadedGeneration = ContentGeneration();

  m_frame = std::make_unique<CMainFrame>([](HWND owner) { RunAboutDialog(owner); },
                                         [this] { OnAppExit(); });
  if (!m_frame->Create()) {
    return false;
  }
  ::ShowWindow(m_frame->Handle(), SW_HIDE);
  if (!settingsSetAside.empty()) {
    ShowMessageBox(FillText(texts::kSettingsSetAside, SettingsPath(), settingsSetAside),
                   MessageButtons::Ok, MessageIcon::Warning);
  }
  if (!loaded.message.empty()) {
    // An older file read converted and kept as it was is news, not trouble.
    ShowMessageBox(loaded.message, MessageButtons::Ok,
                   loaded.keptAs.empty() ? MessageIcon::Warning : MessageIcon::None);
  }
  return true;
}

int CvostekApp::Run() {
  MSG message{};
  for (;;) {
    while (!::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      m_frame->OnIdle();
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

void CvostekApp::OnAppExit() {
  if (m_frame->Handle() != nullptr) {
    ::DestroyWindow(m_frame->Handle());
  }
  WriteFiles();
  ::PostQuitMessage(0);
}

int CvostekApp::ExitInstance() {
  if (!m_filesWritten) {
    WriteFiles();
  }
  return 1;
}

void CvostekApp::WriteFiles() {
  m_filesWritten = true;
  if (m_mutex == nullptr || !m_settingsRead) {
    return;  // an instance that gave way, or one that never read the settings
  }
  std::string settingsError;
  const bool settingsSaved =
      !m_settingsSaveAllowed || WriteSettings(SettingsPath(), g_settings, &settingsError);
  // A file beside an unreadable collection file is made only for a session that changed
  // something.
  const bool saveCollection =
      m_data != nullptr && (!m_savesAside || ContentGeneration() != m_loadedGeneration);
  std::string collectionError;
  const bool collectionSaved =
      !saveCollection || SaveCollectionFile(m_collectionSavePath, *m_data, &collectionError);
  if (!settingsSaved) {
    ShowMessageBox(FillText(texts::kSettingsSaveFailed, SettingsPath(), settingsError),
                   MessageButtons::Ok, MessageIcon::Warning);
  }
  if (!collectionSaved) {
    ShowMessageBox(FillText(texts::kCollectionSaveFailed, m_collectionSavePath, collectionError),
                   MessageButtons::Ok, MessageIcon::Warning);
  } else if (saveCollection && m_savesAside) {
    ShowMessageBox(FillText(texts::kCollectionSavedAside, CollectionPath(), m_collectionSavePath),
                   MessageButtons::Ok, MessageIcon::Warning);
  }
}
