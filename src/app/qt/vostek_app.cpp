#include "app/qt/vostek_app.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <utility>
#include <vector>

#include "app/message_box.h"
#include "app/qt/about_dialog.h"
#include "app/qt/auto_save.h"
#include "app/qt/instance_request_server.h"
#include "app/settings.h"
#include "frame/main_frame.h"
#include "platform/linux/instance_socket.h"
#include "resources/texts.h"
#include "store/atomic_file.h"
#include "store/collection_file.h"
#include "store/fill_text.h"
#include "store/vostek_item.h"
#include "view/qt/vostek_view.h"

namespace {

constexpr char kCollectionFileName[] = "items.vkd";
// How long a message of an exit nobody may be there to watch stays up.
constexpr int kUnattendedMessageSeconds = 5;

// The instance whose files are to be written should the process end without passing
// through ExitInstance.
CvostekApp* g_runningApp = nullptr;

}  // namespace

CvostekApp::CvostekApp(std::string folder, std::string lockPath)
    : m_folder(std::move(folder)), m_lockPath(std::move(lockPath)) {}

// Without ExitInstance nothing is written: the window and the collection just go.
CvostekApp::~CvostekApp() {
  if (g_runningApp == this) {
    g_runningApp = nullptr;
  }
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

void CvostekApp::ClaimFiles() {
  switch (m_lock.Acquire(m_lockPath, &m_lockError)) {
    case InstanceLock::Result::HeldElsewhere:
      m_claim = Claim::AnotherInstanceRuns;
      return;
    case InstanceLock::Result::Failed:
      m_claim = Claim::LockFailed;
      return;
    case InstanceLock::Result::Acquired:
      break;
  }
  // An instance started with another environment holds another single-instance lock,
  // but must not share this folder's files all the same.
  if (m_folderLock.Acquire(m_folder) == FolderLock::Result::HeldElsewhere) {
    m_claim = Claim::FolderInUse;
    return;
  }
  m_claim = Claim::Claimed;
  // The toolkit, the window, its menus, the tray icon and the hot-key need no
  // collection: they are made while a worker reads the file, which a large collection
  // takes most of the start for (read here when no thread can be had).
  m_loading =
      std::async(std::launch::async | std::launch::deferred, &LoadCollectionFile, CollectionPath());
}

bool CvostekApp::InitInstance() {
  if (!m_claim) {
    ClaimFiles();
  }
  switch (*m_claim) {
    case Claim::AnotherInstanceRuns:
      return false;  // nothing is shown here; the caller may ask it to show
    case Claim::LockFailed:
      ShowMessageBox(FillText(texts::kInstanceLockFailed, m_lockPath, m_lockError),
                     MessageButtons::Ok, MessageIcon::Warning);
      return false;
    case Claim::FolderInUse:
      // Its requests go elsewhere, so it cannot be asked to show its window.
      std::fprintf(stderr, "vostek: another VOSTEK uses %s\n", m_folder.c_str());
      return false;
    case Claim::Claimed:
      break;
  }
  m_filesRead = true;
#if QT_CONFIG(sessionmanager)
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
          [this](QSessionManager&) { OnCommitData(); });
#endif

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

  // The toolkit ends the process on its own when the display goes (it calls exit());
  // the collection lives outside it, so it can still be written then.
  g_runningApp = this;
  static const bool s_registered = std::atexit(&CvostekApp::WriteFilesAtProcessExit) == 0;
  (void)s_registered;

  m_frame = new CMainFrame([this] { TakeCollection(m_loading.get()); });
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
  m_loadedGeneration = ContentGeneration();
  m_written = {m_loadedGeneration, g_settings};
  auto lastLook = std::make_shared<Written>(m_written);
  m_autoSave = new AutoSave(
      [lastLook] {
        const Written now{ContentGeneration(), g_settings};
        const bool changed = !(now == *lastLook);
        *lastLook = now;
        return changed;
      },
      [this] { SaveChanges(); }, this);

  return true;
}

// The loader's collection becomes the shown one here, on the user-interface thread,
// and only here: nothing of it was reachable from this thread before.
void CvostekApp::TakeCollection(CollectionLoadResult loaded) {
  m_data = std::move(loaded.data);
  g_data = m_data.get();
  BumpNamesGeneration();  // whatever was derived from names before knows it is stale
  m_collectionSavePath = loaded.savePath;
  m_savesAside = loaded.SavesAside(CollectionPath());
  if (!loaded.message.empty()) {
    // Shown once the event loop runs, so that an exit request can close it.
    QTimer::singleShot(0, this, [message = std::move(loaded.message)] {
      ShowMessageBox(message, MessageButtons::Ok, MessageIcon::Warning);
    });
  }
}

CMainFrame* CvostekApp::MainFrame() const {
  return m_frame;
}

int CvostekApp::ExitInstance() {
  m_requests.reset();  // later starts no longer reach a window that is going
  if (g_runningApp == this) {
    g_runningApp = nullptr;
  }
  delete m_autoSave;
  m_autoSave = nullptr;
  // The window's teardown also gives up the hot-key and the tray icon.
  delete m_frame;
  WriteFiles(m_unattendedExit ? Reporting::TimedBoxes : Reporting::Boxes, /*atExit=*/true);
  g_data = nullptr;
  m_data.reset();
  return 1;
}

void CvostekApp::WriteFilesAtProcessExit() {
  if (CvostekApp* app = std::exchange(g_runningApp, nullptr)) {
    app->WriteFiles(Reporting::StandardErrorOnly, /*atExit=*/true);
    if (app->m_frame != nullptr) {
      app->m_frame->View()->FinishBackgroundWork();
    }
  }
}

bool CvostekApp::SaveSettingsFile(std::string* message) {
  std::string error;
  if (m_settingsSaveAllowed && !WriteSettings(SettingsPath(), g_settings, &error)) {
    *message = FillText(texts::kSettingsSaveFailed, SettingsPath(), error);
    return false;
  }
  m_written.settings = g_settings;
  return true;
}

bool CvostekApp::SaveCollectionFile(std::string* message) {
  std::string error;
  if (!::SaveCollectionFile(m_collectionSavePath, *m_data, &error)) {
    *message = FillText(texts::kCollectionSaveFailed, m_collectionSavePath, error);
    return false;
  }
  m_written.collectionGeneration = ContentGeneration();
  return true;
}

void CvostekApp::WriteFiles(Reporting reporting, bool atExit) {
  if (!m_filesRead) {  // only the instance that read the files writes them
    return;
  }
  // Both files are written before anything is shown, so a message left open (or an
  // exit that closes it) cannot keep the second one from being saved.
  std::vector<std::string> messages;
  std::string message;
  if (!SaveSettingsFile(&message)) {
    messages.push_back(message);
  }
  // A file beside the collection file is made only for a session that changed something.
  if (m_data != nullptr && (!m_savesAside || ContentGeneration() != m_loadedGeneration)) {
    if (!SaveCollectionFile(&message)) {
      messages.push_back(message);
    } else if (m_savesAside && atExit) {
      messages.push_back(
          FillText(texts::kCollectionSavedAside, CollectionPath(), m_collectionSavePath));
    }
  }
  if (reporting != Reporting::Boxes) {
    for (const std::string& message : messages) {
      WriteMessageToStandardError(message);
    }
  }
  if (reporting == Reporting::StandardErrorOnly) {
    return;
  }
  const int previousLimit = MessageTimeLimit();
  if (reporting == Reporting::TimedBoxes) {
    SetMessageTimeLimit(kUnattendedMessageSeconds);
  }
  for (const std::string& message : messages) {
    ShowMessageBox(message, MessageButtons::Ok, MessageIcon::Warning);
  }
  SetMessageTimeLimit(previousLimit);
}

void CvostekApp::SaveChanges() {
  std::vector<std::string> messages;
  std::string message;
  if (!(g_settings == m_written.settings) && !SaveSettingsFile(&message)) {
    messages.push_back(message);
  }
  const std::uint64_t generation = ContentGeneration();
  if (generation != m_written.collectionGeneration &&
      (!m_savesAside || generation != m_loadedGeneration) && !SaveCollectionFile(&message)) {
    messages.push_back(message);
  }
  // Said once more, in a box, by the exit.
  for (const std::string& failure : messages) {
    WriteMessageToStandardError(failure);
  }
}

void CvostekApp::RequestExit() {
  m_exitRequested = true;
  QCoreApplication::exit(0);
}

void CvostekApp::RequestUnattendedExit() {
  m_unattendedExit = true;
  RequestExit();
}

void CvostekApp::OnCommitData() {
  // The session manager may end the process soon after: nothing waits for an answer.
  m_unattendedExit = true;
  WriteFiles(Reporting::StandardErrorOnly, /*atExit=*/false);
}

void CvostekApp::OnAppAbout(QWidget* parent) {
  CAboutDlg dialog(parent);
  dialog.exec();
}
