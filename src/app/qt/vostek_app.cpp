#include "app/qt/vostek_app.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>
#include <cstdio>
#include <utility>

#include "app/globals.h"
#include "app/message_box.h"
#include "app/qt/about_dialog.h"
#include "app/qt/instance_request_server.h"
#include "app/settings.h"
#include "frame/main_frame.h"
#include "platform/linux/instance_socket.h"
#include "resources/texts.h"
#include "store/atomic_file.h"
#include "store/collection_file.h"
#include "store/fill_text.h"

namespace {

constexpr char kCollectionFileName[] = "items.vkd";

}  // namespace

CvostekApp::CvostekApp(std::string folder, std::string lockPath)
    : m_folder(std::move(folder)), m_lockPath(std::move(lockPath)) {
#if QT_CONFIG(sessionmanager)
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
          [this](QSessionManager&) { OnEndSession(); });
#endif
}

// Without ExitInstance nothing is written: the window and the collection just go.
CvostekApp::~CvostekApp() {
  delete m_frame;
  if (g_data == m_data.get()) {
    g_data = nullptr;
  }
}

std::string CvostekApp::SettingsPath() const {
  return m_folder + "/" + kSettingsFileName;
}

std::string CvostekApp::CollectionPath() const {
  return m_folder + "/" + kCollectionFileName;
}

bool CvostekApp::InitInstance() {
  std::string error;
  switch (m_lock.Acquire(m_lockPath, &error)) {
    case InstanceLock::Result::HeldElsewhere:
      m_anotherInstanceRuns = true;  // nothing is shown here; the caller may ask it to show
      return false;
    case InstanceLock::Result::Failed:
      ShowMessageBox(FillText(texts::kInstanceLockFailed, m_lockPath, error), MessageButtons::Ok,
                     MessageIcon::Warning);
      return false;
    case InstanceLock::Result::Acquired:
      break;
  }

  g_dataFolder = m_folder;
  // Only the holder of the lock writes here, so a temporary file beside ours is what a
  // killed save left behind.
  RemoveStaleTemporaries(SettingsPath());
  RemoveStaleTemporaries(CollectionPath());
  std::string settingsSetAside;
  g_settings = ReadSettings(SettingsPath(), &settingsSetAside);
  m_settingsSaveAllowed = settingsSetAside.empty();
  if (!m_settingsSaveAllowed) {
    QTimer::singleShot(
        0, this, [message = FillText(texts::kSettingsSetAside, SettingsPath(), settingsSetAside)] {
          ShowMessageBox(message, MessageButtons::Ok, MessageIcon::Warning);
        });
  }
  g_curGroup = 0;
  g_viewMode = StartViewMode(g_settings);

  CollectionLoadResult loaded = LoadCollectionFile(CollectionPath());
  m_data = std::move(loaded.data);
  g_data = m_data.get();
  m_collectionSaveAllowed = loaded.saveAllowed;
  if (!loaded.message.empty()) {
    // Shown once the event loop runs, so that an exit request can close it.
    QTimer::singleShot(0, this, [message = std::move(loaded.message)] {
      ShowMessageBox(message, MessageButtons::Ok, MessageIcon::Warning);
    });
  }

  m_frame = new CMainFrame();
  m_frame->hide();

  m_requests = std::make_unique<InstanceRequestServer>([this](const InstanceRequestLine& line) {
    if (m_frame != nullptr) {
      m_frame->OnInstanceRequest(line);
    }
  });
  const std::string socketPath = InstanceSocketPath(m_lockPath);
  if (std::string socketError; !m_requests->Listen(socketPath, &socketError)) {
    // The tray icon and the hot-key still show the window; only later starts cannot.
    std::fprintf(stderr, "vostek: %s: %s\n", socketPath.c_str(), socketError.c_str());
  }
  return true;
}

CMainFrame* CvostekApp::MainFrame() const {
  return m_frame;
}

int CvostekApp::ExitInstance() {
  m_requests.reset();  // later starts no longer reach a window that is going
  // The window's teardown also gives up the hot-key and the tray icon.
  delete m_frame;
  if (!m_filesWritten) {
    WriteFiles();
  }
  g_data = nullptr;
  m_data.reset();
  return 1;
}

void CvostekApp::WriteFiles() {
  m_filesWritten = true;
  if (!m_lock.IsHeld()) {  // held exactly when the settings were read
    return;
  }
  // Both files are written before anything is shown, so a message left open (or an
  // exit that closes it) cannot keep the second one from being saved.
  std::string settingsError;
  const bool settingsSaved =
      !m_settingsSaveAllowed || WriteSettings(SettingsPath(), g_settings, &settingsError);
  std::string collectionError;
  const bool collectionSaved = m_data == nullptr || !m_collectionSaveAllowed ||
                               SaveCollectionFile(CollectionPath(), *m_data, &collectionError);
  if (!settingsSaved) {
    ShowMessageBox(FillText(texts::kSettingsSaveFailed, SettingsPath(), settingsError),
                   MessageButtons::Ok, MessageIcon::Warning);
  }
  if (!collectionSaved) {
    ShowMessageBox(FillText(texts::kCollectionSaveFailed, CollectionPath(), collectionError),
                   MessageButtons::Ok, MessageIcon::Warning);
  }
}

void CvostekApp::RequestExit() {
  m_exitRequested = true;
  QCoreApplication::exit(0);
}

void CvostekApp::OnEndSession() {
  // The window and the collection stay until ExitInstance: a dialog of the window may be
  // running its own event loop right now, and goes only when that loop has ended.
  if (!m_filesWritten) {
    WriteFiles();
  }
  RequestExit();
}

void CvostekApp::OnAppAbout(QWidget* parent) {
  CAboutDlg dialog(parent);
  dialog.exec();
}
