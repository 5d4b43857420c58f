#include "app/qt/vostek_app.h"

#include <QFileSystemWatcher>
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
#include "platform/linux/xdg_folders.h"
#include "resources/texts.h"
#include "store/atomic_file.h"
#include "store/collection_file.h"
#include "store/file_kind.h"
#include "store/fill_text.h"
#include "store/vostek_item.h"
#include "tray/tray_icon.h"
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

void CvostekApp::ClaimInstance() {
  if (m_claim || m_lock.IsHeld()) {
    return;
  }
  switch (m_lock.Acquire(m_lockPath, &m_lockError)) {
    case InstanceLock::Result::HeldElsewhere:
      m_claim = Claim::AnotherInstanceRuns;
      return;
    case InstanceLock::Result::Failed:
      m_claim = Claim::LockFailed;
      return;
    case InstanceLock::Result::Acquired:
      return;
  }
}

void CvostekApp::ClaimFiles() {
  ClaimInstance();
  if (m_claim) {
    return;
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
      [this] { return SaveChanges(); }, this);
  WatchFolder();

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
    // Shown once the event loop runs, so that an exit request can close it. An older
    // file read converted and kept as it was is news, not trouble.
    const MessageIcon icon = loaded.keptAs.empty() ? MessageIcon::Warning : MessageIcon::None;
    QTimer::singleShot(0, this, [message = std::move(loaded.message), icon] {
      ShowMessageBox(message, MessageButtons::Ok, icon);
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
  delete m_folderWatcher;  // the exit writes once more, and its messages run the loop
  m_folderWatcher = nullptr;
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
  if (!::SaveCollectionFile(m_collectionSavePath, *m_data, &error) && !m_savesAside &&
      IsFolder(FinalLinkTarget(m_collectionSavePath))) {
    // Something put a folder where the file was: left alone, as at start.
    m_collectionSavePath = FreeUnsavedName(CollectionPath());
    m_savesAside = true;
    m_loadedGeneration = ~ContentGeneration();  // this session's collection is saved beside
    Notify(texts::kSaveFailedTitle,
           FillText(texts::kCollectionNoLongerFile, CollectionPath(), m_collectionSavePath));
    error.clear();
    ::SaveCollectionFile(m_collectionSavePath, *m_data, &error);
  }
  if (!error.empty()) {
    *message = FillText(texts::kCollectionSaveFailed, m_collectionSavePath, error);
    return false;
  }
  m_written.collectionGeneration = ContentGeneration();
  return true;
}

void CvostekApp::WatchFolder() {
  if (m_folderWatcher == nullptr) {
    m_folderWatcher = new QFileSystemWatcher(this);
    // A folder deleted or moved away is made again at once, so that no other start
    // takes the new one while this instance holds the collection.
    connect(m_folderWatcher, &QFileSystemWatcher::directoryChanged, this, [this] {
      if (!m_folderLock.IsAt(m_folder)) {
        SaveChanges();
      }
    });
  }
  const QString folder = QString::fromStdString(m_folder);
  if (!m_folderWatcher->directories().contains(folder)) {
    m_folderWatcher->addPath(folder);
  }
}

void CvostekApp::Notify(const std::string& title, const std::string& text) {
  const QString qtTitle = QString::fromStdString(title);
  const QString qtText = QString::fromStdString(text);
  if (m_frame != nullptr && m_frame->Tray() != nullptr) {
    m_frame->Tray()->ShowBalloon(qtTitle, qtText);
  }
  emit notified(qtTitle, qtText);
}

bool CvostekApp::HoldFolder(std::vector<std::string>* failures) {
  if (m_folderLock.IsAt(m_folder)) {
    return true;
  }
  std::string error;
  if (!MakePrivateFolder(m_folder, &error)) {
    failures->push_back(FillText(texts::kDataFolderLost, m_folder, error));
    return false;
  }
  if (m_folderLock.Reacquire(m_folder) == FolderLock::Result::HeldElsewhere) {
    // Another start took the new folder: its files are its own, ours go beside them.
    m_settingsSaveAllowed = false;
    if (!m_savesAside) {
      m_collectionSavePath = FreeUnsavedName(CollectionPath());
      m_savesAside = true;
    }
    m_loadedGeneration = ~ContentGeneration();
    Notify(texts::kSaveFailedTitle,
           FillText(texts::kDataFolderTaken, m_folder, m_collectionSavePath));
    return true;
  }
  m_mustWriteAll = true;
  WatchFolder();
  Notify(texts::kAppTitle, FillText(texts::kDataFolderRemade, {m_folder}));
  return true;
}

std::vector<std::string> CvostekApp::SaveFiles(bool all) {
  std::vector<std::string> failures;
  if (!HoldFolder(&failures)) {
    return failures;
  }
  all = all || m_mustWriteAll;
  std::string message;
  if ((all || !(g_settings == m_written.settings)) && !SaveSettingsFile(&message)) {
    failures.push_back(message);
  }
  const std::uint64_t generation = ContentGeneration();
  // A file beside the collection file is made only for a session that changed something.
  if (m_data != nullptr && (all || generation != m_written.collectionGeneration) &&
      (!m_savesAside || generation != m_loadedGeneration) && !SaveCollectionFile(&message)) {
    failures.push_back(message);
  }
  if (failures.empty()) {
    m_mustWriteAll = false;
  }
  return failures;
}

void CvostekApp::WriteFiles(Reporting reporting, bool atExit) {
  if (!m_filesRead) {  // only the instance that read the files writes them
    return;
  }
  // Both files are written before anything is shown, so a message left open (or an
  // exit that closes it) cannot keep the second one from being saved.
  std::vector<std::string> failures = SaveFiles(/*all=*/true);
  if (reporting != Reporting::Boxes) {
    for (const std::string& failure : failures) {
      WriteMessageToStandardError(failure);
    }
  }
  // After a start that could not use the collection file, the exit says where it went.
  const auto savedAside = [this, atExit] {
    return atExit && m_savesAside && m_data != nullptr &&
           m_written.collectionGeneration == ContentGeneration() &&
           ContentGeneration() != m_loadedGeneration;
  };
  const std::string asideMessage =
      FillText(texts::kCollectionSavedAside, CollectionPath(), m_collectionSavePath);
  if (reporting != Reporting::Boxes && savedAside()) {
    WriteMessageToStandardError(asideMessage);
  }
  if (reporting == Reporting::StandardErrorOnly) {
    return;
  }
  const int previousLimit = MessageTimeLimit();
  if (reporting == Reporting::TimedBoxes) {
    SetMessageTimeLimit(kUnattendedMessageSeconds);
  }
  // Until both are saved or the user gives up: space freed on a full disk, or a folder
  // made writable again, then saves what would otherwise be lost.
  while (!failures.empty()) {
    std::string text;
    for (const std::string& failure : failures) {
      text += (text.empty() ? "" : "\n\n") + failure;
    }
    if (!ShowMessageBox(text + texts::kSaveFailedAtExit, MessageButtons::RetryCancel,
                        MessageIcon::Warning)) {
      break;
    }
    failures = SaveFiles(/*all=*/true);
  }
  if (savedAside()) {
    ShowMessageBox(asideMessage, MessageButtons::Ok, MessageIcon::Warning);
  }
  SetMessageTimeLimit(previousLimit);
}

bool CvostekApp::SaveChanges() {
  const std::vector<std::string> failures = SaveFiles(/*all=*/false);
  // Said once more, in a box, by the exit.
  std::string text;
  for (const std::string& failure : failures) {
    WriteMessageToStandardError(failure);
    text += failure + "\n";
  }
  if (failures.empty()) {
    m_saveFailing = false;
    return true;
  }
  if (!std::exchange(m_saveFailing, true)) {
    Notify(texts::kSaveFailedTitle, text + texts::kSaveFailedLater);
  }
  return false;
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
