#include "frame/qt/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

#include "app/globals.h"
#include "app/qt/vostek_app.h"
#include "app/trace.h"
#include "frame/check_marks.h"
#include "frame/qt/accelerator_keys.h"
#include "frame/qt/icons.h"
#include "frame/qt/menu_entries.h"
#include "frame/qt/menu_entry_accessible.h"
#include "platform/linux/linux_shell.h"
#include "platform/linux/x11_pointer.h"
#include "platform/linux/x11_window_decorations.h"
#include "resources/accelerators.h"
#include "resources/command_strings.h"
#include "resources/menus.h"
#include "resources/texts.h"
#include "resources/toolbar.h"
#include "tray/qt/hot_key_dialog.h"
#include "tray/qt/showing_place.h"
#include "tray/qt/tray_icon.h"
#include "tray/qt/window_activation.h"
#include "tray/qt/x11_hot_key_way.h"
#include "tray/tray_presence.h"
#include "view/launcher_view.h"
#include "view/qt/vostek_view.h"

namespace {

constexpr int kToolBarIconSize = 16;
// How long a window brought up is given to become active before the request is taken
// as refused: a desktop's focus-stealing prevention answers within a frame or two.
constexpr int kActivationWaitMs = 400;

// Whether the size the window just got is one the user gave it: dragging its border, or
// the window with the window manager's resize key, holds a pointer button down. The
// window manager's own sizes (a tile, a maximised window, its layout on showing) come
// without one; saved, they would replace the user's size for good.
bool IsUserResize(const QWidget* window) {
  if (window->isMaximized() || window->isFullScreen()) {
    return false;
  }
  if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
      x11 != nullptr && x11->connection() != nullptr) {
    return X11PointerButtonDown(x11->connection());
  }
  return QGuiApplication::mouseButtons() != Qt::NoButton;
}

}  // namespace

CMainFrame::CMainFrame() : CMainFrame(std::make_unique<LinuxShell>()) {}

CMainFrame::CMainFrame(std::unique_ptr<DesktopShell> ownShell) : CMainFrame(*ownShell) {
  m_ownShell = std::move(ownShell);
}

CMainFrame::CMainFrame(DesktopShell& shell, const std::function<void()>& awaitCollection,
                       QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(QString::fromUtf8(texts::kTemplateTitle));
  setWindowIcon(ApplicationIcon());
  resize(SavedOuterSizeOnPrimaryScreen());
  // Qt tells an X11 window manager only which functions the window has; the buttons
  // go away only when the decorations are named as well.
  const WId window = winId();  // created now, so the frame is known as early as can be
  if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
    X11RequestCaptionAndBorderOnly(x11->connection(), static_cast<xcb_window_t>(window));
    X11RequestFrameExtents(x11->connection(), static_cast<xcb_window_t>(window));
  }

  InstallMenuEntryAccessibility();
  m_view = new CvostekView(shell, this);
  setCentralWidget(m_view);
  m_router.AddFrameCommand(ID_VIEW_TOOLBAR, [this] { OnViewToolbar(); });
  m_router.AddFrameCommand(ID_APP_ABOUT, [this] { CvostekApp::OnAppAbout(this); });
  m_router.AddFrameCommand(ID_APP_EXIT, [] { QCoreApplication::quit(); });
  m_router.AddFrameCommand(ID_SHOW, [this] { OnShow(); });
  m_router.AddFrameCommand(ID_HOTKEY_SETTINGS, [this] { OnHotKeySettings(); });
  m_router.SetViewCommands([this](int id) { return m_view->IsCommandEnabled(id); },
                           [this](int id) { return m_view->RunCommand(id); });

  BuildMenuBar();
  BuildAccelerators();
  BuildToolBar();
  SyncCheckMarks();
  m_wndToolBar->setVisible(g_settings.showtool != 0);
  connect(m_view, &CvostekView::commandStateChanged, this, &CMainFrame::SyncToolBar);
  connect(qApp, &QGuiApplication::applicationStateChanged, this,
          &CMainFrame::OnApplicationStateChanged);

  m_view->setFocus();

  StartHotKey();
  m_activationCheck.setSingleShot(true);
  m_activationCheck.setInterval(kActivationWaitMs);
  connect(&m_activationCheck, &QTimer::timeout, this, &CMainFrame::ShowAgainIfNotActive);

  if (awaitCollection) {
    awaitCollection();
  }
  m_view->OnInitialUpdate();
  SyncToolBar();
  // Reached once the event loop runs with the tray icon placed: the program is ready.
  QTimer::singleShot(0, this, [] { Trace("ready"); });
  QTimer::singleShot(0, this, [this] { PrepareFirstShowing(); });
}

void CMainFrame::StartHotKey() {
  std::unique_ptr<HotKeyWay> way = HotKeyWayForSession();
  m_tray = std::make_unique<TrayIcon>([this](int id) { RunCommand(id); });
  connect(m_tray.get(), &TrayIcon::showRequested, this, &CMainFrame::OnShow);
  m_trayPresence = std::make_unique<TrayPresence>(
      *m_tray, std::move(way), [this] { OnShow(); }, [this] { OnHotKeySettings(); });
  m_trayPresence->Start();
}

void CMainFrame::OnHotKeySettings() {
  if (m_hotKeyDialog != nullptr) {
    ActivateWindow(m_hotKeyDialog, {});
    return;
  }
  HotKeyDialog dialog(m_trayPresence->HotKey(), isVisible() ? this : nullptr);
  m_hotKeyDialog = &dialog;
  dialog.exec();
  m_hotKeyDialog = nullptr;
  if (isVisible()) {
    // Without a window manager nothing hands the keyboard back to the list.
    ActivateWindow(this, {});
    m_view->setFocus();
  }
}

CMainFrame::~CMainFrame() {
  m_trayPresence.reset();
  m_tray.reset();
}

void CMainFrame::BuildMenuBar() {
  for (const MenuDefinition& definition : menus::kMainMenu) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(definition.title));
    // The shortcut texts are only shown; the keys themselves are the frame's accelerators.
    for (QAction* action :
         AddMenuEntries(*menu, definition.entries, [this](int id) { RunCommand(id); })) {
      action->setCheckable(IsCheckMark(action->data().toInt()));
      m_menuActions[action->data().toInt()] = action;
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenu(menu); });
  }
}

void CMainFrame::BuildAccelerators() {
  for (const Accelerator& accelerator : accelerators::kMainAccelerators) {
    auto* action = new QAction(this);
    action->setShortcuts(AcceleratorKeys(accelerator));
    action->setShortcutContext(Qt::WindowShortcut);
    const int id = accelerator.command;
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    addAction(action);
  }
}

void CMainFrame::BuildToolBar() {
  m_wndToolBar = new QToolBar(this);
  m_wndToolBar->setObjectName(QStringLiteral("toolbar"));
  m_wndToolBar->setMovable(false);
  m_wndToolBar->setFloatable(false);
  m_wndToolBar->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
  m_wndToolBar->setFocusPolicy(Qt::NoFocus);
  for (const ToolbarButton& button : toolbar::kMainToolbar) {
    if (button.icon == nullptr) {
      m_wndToolBar->addSeparator();
      continue;
    }
    const int id = button.id;
    const std::string_view tooltip = command_strings::Tooltip(id);
    QAction* action = m_wndToolBar->addAction(ResourceIcon(button.icon), QString());
    const QString tooltipText =
        QString::fromUtf8(tooltip.data(), static_cast<qsizetype>(tooltip.size()));
    action->setToolTip(tooltipText);
    // A button without text would be read by its role alone.
    m_wndToolBar->widgetForAction(action)->setAccessibleName(tooltipText);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    m_toolBarActions[id] = action;
  }
  // The list keeps the keyboard focus; buttons are for the mouse.
  for (QWidget* child : m_wndToolBar->findChildren<QWidget*>()) {
    child->setFocusPolicy(Qt::NoFocus);
  }
  addToolBar(Qt::TopToolBarArea, m_wndToolBar);
}

QAction* CMainFrame::MenuAction(int id) const {
  const auto found = m_menuActions.find(id);
  return found != m_menuActions.end() ? found->second : nullptr;
}

QAction* CMainFrame::ToolBarAction(int id) const {
  const auto found = m_toolBarActions.find(id);
  return found != m_toolBarActions.end() ? found->second : nullptr;
}

QMenu* CMainFrame::createPopupMenu() {
  return nullptr;
}

bool CMainFrame::IsCommandEnabled(int id) const {
  return m_router.IsEnabled(id);
}

bool CMainFrame::RunCommand(int id) {
  const bool ran = m_router.Run(id);
  SyncCheckMarks();
  SyncToolBar();
  return ran;
}

void CMainFrame::UpdateMenu(QMenu* menu) {
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator()) {
      action->setEnabled(IsCommandEnabled(action->data().toInt()));
    }
  }
  SyncCheckMarks();
}

void CMainFrame::SyncCheckMarks() {
  for (const int id : CheckMarkIds()) {
    if (QAction* action = MenuAction(id)) {
      action->setChecked(IsChecked(id, g_settings));
    }
  }
}

void CMainFrame::SyncToolBar() {
  for (const auto& [id, action] : m_toolBarActions) {
    action->setEnabled(IsCommandEnabled(id));
  }
}

void CMainFrame::OnViewToolbar() {
  g_settings.showtool = g_settings.showtool != 0 ? 0 : 1;
  SyncCheckMarks();
  m_wndToolBar->setVisible(g_settings.showtool != 0);
}

void CMainFrame::OnShow() {
  ShowWindow({});
}

void CMainFrame::OnInstanceRequest(const InstanceRequestLine& line) {
  // What the desktop says, not what was last asked of it: it may have refused.
  const bool inFront = isVisible() && !isMinimized() && IsWindowActive(this);
  const bool hide =
      line.request == InstanceRequest::Hide || (line.request == InstanceRequest::Toggle && inFront);
  if (hide) {
    RunCommand(ID_HIDE);
  } else {
    ShowWindow(line.activationToken);
  }
}

void CMainFrame::ShowWindow(const std::string& activationToken) {
  Trace("show");
  if (!isVisible()) {
    ApplyOuterSizeOnce();  // where the frame is known before mapping
    m_showPlace = CurrentShowingPlace();
    MoveForShowing(this, m_showPlace, frameGeometry().size());
    // Minimising hides the window but leaves it minimised; shown so, it would come up
    // as an icon.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    // The list knows how many rows fit only once it is laid out, which a hidden window
    // is not; nothing is painted before this returns, so the old rows never show.
    m_view->Logic().RefreshList();
    m_view->Logic().PrepareSearch();  // for names changed since the last showing
    m_view->setFocus();
  }
  ActivateWindow(this, activationToken);
  m_activationToken = activationToken;
  m_shownAgain = false;
  m_activationCheck.start();
  SyncToolBar();
}

// A desktop that refuses to activate a shown window (a Wayland compositor without an
// activation token, focus-stealing prevention) still focuses a newly mapped one: shown
// anew, once, so that the keys go to the list as the user expects.
void CMainFrame::ShowAgainIfNotActive() {
  // A menu of ours that is open means the user is here already.
  if (!isVisible() || m_shownAgain || !DesktopMayRefuseActivation() || IsWindowActive(this) ||
      QApplication::activePopupWidget() != nullptr) {
    return;
  }
  m_shownAgain = true;
  hide();
  show();
  m_view->setFocus();
  ActivateWindow(this, m_activationToken);
}

// The first showing would otherwise wait for the fonts of the rows' names, the style's
// pictures and the name index: made once off screen, as soon as the program is idle.
void CMainFrame::PrepareFirstShowing() {
  if (isVisible()) {
    return;
  }
  QImage scratch(size(), QImage::Format_ARGB32_Premultiplied);
  // A hidden window is laid out only when it is rendered: the list then knows how many
  // rows fit, as it does when shown.
  render(&scratch, QPoint(), QRegion(0, 0, 1, 1));
  m_view->Logic().RefreshList();
  render(&scratch);
  m_view->Logic().PrepareSearch();
  Trace("prepared");
}

void CMainFrame::OnApplicationStateChanged(Qt::ApplicationState state) {
  if (state != Qt::ApplicationActive) {
    m_view->Logic().OnActivateApp(false);
  }
}

bool CMainFrame::event(QEvent* event) {
  // A key the in-place name editor did not claim still belongs to it: Enter ends the
  // edit, Esc cancels it and the arrows move the caret instead of launching, hiding or
  // switching groups. Claiming the override keeps the accelerators out.
  if (event->type() == QEvent::ShortcutOverride &&
      qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr &&
      isAncestorOf(QApplication::focusWidget())) {
    event->accept();
    return true;
  }
  return QMainWindow::event(event);
}

bool CMainFrame::ApplyOuterSizeOnce() {
  if (m_outerSizeApplied) {
    return false;
  }
  const QSize frame = frameGeometry().size();
  const QSize decoration = frame - size();
  if (decoration.isNull()) {
    return false;  // the window manager has not framed the window yet (or never will)
  }
  m_outerSizeApplied = true;
  const QSize wanted = SavedOuterSizeOnPrimaryScreen();
  if (isVisible()) {
    // An X11 window manager frames the window only once it is mapped, so the first
    // showing was centred without the frame; centred again now that it is known.
    MoveForShowing(this, m_showPlace, wanted);
  }
  if (frame == wanted) {
    return false;
  }
  resize(wanted - decoration);
  return true;
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (ApplyOuterSizeOnce()) {
    return;  // the corrected size arrives with the next resize
  }
  if (IsUserResize(this)) {
    const QSize outer = frameGeometry().size();
    g_settings.width = outer.width();
    g_settings.height = outer.height();
  }
}

void CMainFrame::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  ApplyOuterSizeOnce();
}

void CMainFrame::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  ApplyOuterSizeOnce();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  // The application's exit closes every window before its event loop may end, so the
  // close is always accepted. A close the window manager asks for (its Alt+F4 or menu)
  // ends VOSTEK as the exit command does; during an exit the extra request is void.
  event->accept();
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
