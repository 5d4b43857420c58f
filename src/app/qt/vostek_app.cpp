#include "app/qt/vostek_app.h"

#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "app/message_box.h"
#include "app/qt/about_dialog.h"
#include "app/qt/auto_save.h"
#include "app/qt/instance_request_server.h"
#include "frame/qt/main_frame.h"
#include "platform/linux/instance_socket.h"
#include "resources/texts.h"
#include "store/files.h"
#include "store/fill_text.h"
#include "tray/qt/tray_icon.h"
#include "view/qt/vostek_view.h"

namespace {

// The instance whose files are to be written should the process end without passing
// through ExitInstance.
CvostekApp* g_runningApp = nullptr;

}  // namespace

CvostekApp::CvostekApp(std::string folder, std::string lockPath)
    : m_lockPath(std::move(lockPath)), m_session(SystemFiles(), *this, std::move(folder), '/') {
  m_clock.start();
}

// Without ExitInstance nothing is written: the window and the collection just go.
CvostekApp::~CvostekApp() {
  if (g_runningApp == this) {
    g_runningApp = nullptr;
  }
  delete m_frame;
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
  m_claim = m_session.Claim() ? Claim::Claimed : Claim::FolderInUse;
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
      std::fprintf(stderr, "vostek: another VOSTEK uses %s\n", m_session.Folder().c_str());
      return false;
    case Claim::Claimed:
      break;
  }
#if QT_CONFIG(sessionmanager)
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
          [this](QSessionManager&) { OnCommitData(); });
#endif

  g_dataFolder = m_session.Folder();
  ShowWhenTheLoopRuns(m_session.Open());
  g_curGroup = 0;
  g_viewMode = StartViewMode(g_settings);

  // The toolkit ends the process on its own when the display goes (it calls exit());
  // the collection lives outside it, so it can still be written then.
  g_runningApp = this;
  static const bool s_registered = std::atexit(&CvostekApp::WriteFilesAtProcessExit) == 0;
  (void)s_registered;

  m_frame = new CMainFrame(m_shell, [this] {
    const CollectionNotice notice = m_session.TakeCollection();
    ShowWhenTheLoopRuns(notice.text, notice.icon);
  });
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
  m_session.StartRunning();
  m_autoSave =
      new AutoSave([this] { m_session.OnAboutToWait(); }, [this] { m_session.OnTimer(); }, this);
  WatchFolder();

  return true;
}

void CvostekApp::ShowWhenTheLoopRuns(const std::string& message, MessageIcon icon) {
  if (!message.empty()) {
    // Shown once the event loop runs, so that an exit request can close it.
    QTimer::singleShot(0, this,
                       [message, icon] { ShowMessageBox(message, MessageButtons::Ok, icon); });
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
  m_session.WriteFiles(
      m_unattendedExit ? FileSession::Reporting::TimedBoxes : FileSession::Reporting::Boxes,
      /*atExit=*/true);
  m_session.Close();
  return 1;
}

void CvostekApp::WriteFilesAtProcessExit() {
  if (CvostekApp* app = std::exchange(g_runningApp, nullptr)) {
    app->m_session.WriteFiles(FileSession::Reporting::StandardErrorOnly, /*atExit=*/true);
    if (app->m_frame != nullptr) {
      app->m_frame->View()->FinishBackgroundWork();
    }
  }
}

void CvostekApp::StartTimer(int milliseconds) {
  if (m_autoSave != nullptr) {
    m_autoSave->Start(milliseconds);
  }
}

std::int64_t CvostekApp::Now() const {
  return m_clock.elapsed();
}

void CvostekApp::WatchFolder() {
  if (m_folderWatcher == nullptr) {
    m_folderWatcher = new QFileSystemWatcher(this);
    // A folder deleted or moved away is made again at once, so that no other start
    // takes the new one while this instance holds the collection.
    connect(m_folderWatcher, &QFileSystemWatcher::directoryChanged, this,
            [this] { m_session.OnFolderChanged(); });
  }
  const QString folder = QString::fromStdString(m_session.Folder());
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
  m_session.WriteFiles(FileSession::Reporting::StandardErrorOnly, /*atExit=*/false);
}

void CvostekApp::OnAppAbout(QWidget* parent) {
  CAboutDlg dialog(parent);
  dialog.exec();
}
