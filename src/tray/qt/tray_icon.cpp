#include "tray/qt/tray_icon.h"

#include <QMenu>

#include "frame/qt/icons.h"
#include "frame/qt/menu_entries.h"
#include "resources/menus.h"
#include "resources/texts.h"
#include "tray/qt/tray_activation.h"

namespace {

// A tray host that starts after us (a panel still loading at log-in, or one the user
// starts later) is looked for this often, for as long as we run.
constexpr int kLookIntervalMs = 2000;
// An embedding host docks the icon a moment after it appears; a balloon shown before
// that points at the screen's corner instead of the icon.
constexpr int kDockWaitIntervalMs = 100;
constexpr int kDockWaits = 30;
constexpr int kBalloonClickWaitMs = 150;

}  // namespace

TrayIcon::TrayIcon(const std::function<void(int id)>& runCommand, QObject* parent)
    : QObject(parent), m_menu(std::make_unique<QMenu>()), m_host(FindTrayHost()) {
  for (QAction* action : AddMenuEntries(*m_menu, menus::kTrayMenu, runCommand)) {
    if (action->data().toInt() == menus::kTrayMenuDefault) {
      m_menu->setDefaultAction(action);
    }
  }
  if (HasHost() || !TrayKindIsFixedAtIconCreation()) {
    MakeIcon();
  }
  if (!HasHost()) {
    m_lookForTray.setInterval(kLookIntervalMs);
    connect(&m_lookForTray, &QTimer::timeout, this, &TrayIcon::LookForTray);
    m_lookForTray.start();
  }
  m_waitForDock.setInterval(kDockWaitIntervalMs);
  connect(&m_waitForDock, &QTimer::timeout, this, &TrayIcon::ShowPendingBalloonWhenDocked);
  m_balloonClick.setSingleShot(true);
  m_balloonClick.setInterval(kBalloonClickWaitMs);
  connect(&m_balloonClick, &QTimer::timeout, this, [this] {
    if (!m_lastActivation.isValid() || m_lastActivation.elapsed() > kBalloonClickWaitMs) {
      if (m_shownBalloonClick) {
        m_shownBalloonClick();
      }
    }
  });
}

TrayIcon::~TrayIcon() {
  if (m_icon) {
    m_icon->hide();
  }
}

void TrayIcon::MakeIcon() {
  m_icon = std::make_unique<QSystemTrayIcon>();
  m_icon->setIcon(ApplicationIcon());
  m_icon->setToolTip(QString::fromUtf8(texts::kAppTitle));
  m_icon->setContextMenu(m_menu.get());
  connect(m_icon.get(), &QSystemTrayIcon::activated, this, &TrayIcon::OnActivated);
  // An embedding host's icon reports any click on it while a balloon is up as a click on
  // the balloon; the activation that comes with it tells the two apart.
  connect(m_icon.get(), &QSystemTrayIcon::messageClicked, &m_balloonClick,
          qOverload<>(&QTimer::start));
  m_icon->show();
}

void TrayIcon::SetShowEntryText(const std::string& text) {
  m_menu->defaultAction()->setText(QString::fromStdString(text));
}

TrayClick TrayIcon::Click() const {
  return m_host == TrayHost::Embedding ? TrayClick::Double : TrayClick::Single;
}

void TrayIcon::ShowBalloon(const std::string& title, std::function<std::string(TrayClick)> text,
                           std::function<void()> onClick) {
  m_pendingBalloon = Balloon{title, std::move(text), std::move(onClick)};
  if (!m_lookForTray.isActive()) {
    m_dockWaitsLeft = kDockWaits;
    ShowPendingBalloonWhenDocked();
  }
}

void TrayIcon::ShowPendingBalloonWhenDocked() {
  if (!m_pendingBalloon || !m_icon) {
    m_waitForDock.stop();
    return;
  }
  // A host without an icon window of ours (StatusNotifierItem) places the balloon
  // itself; an embedding host has docked the icon once it has left the origin.
  const QRect geometry = m_icon->geometry();
  const bool docked = !geometry.isValid() || geometry.topLeft() != QPoint(0, 0);
  if (!docked && m_dockWaitsLeft-- > 0) {
    m_waitForDock.start();
    return;
  }
  m_waitForDock.stop();
  m_icon->showMessage(QString::fromStdString(m_pendingBalloon->title),
                      QString::fromStdString(m_pendingBalloon->text(Click())),
                      QSystemTrayIcon::Information);
  m_shownBalloonClick = std::move(m_pendingBalloon->onClick);
  m_pendingBalloon.reset();
}

void TrayIcon::LookForTray() {
  m_host = FindTrayHost();
  if (!HasHost()) {
    return;
  }
  m_lookForTray.stop();
  if (!m_icon) {
    MakeIcon();
  }
  m_dockWaitsLeft = kDockWaits;
  ShowPendingBalloonWhenDocked();
}

void TrayIcon::OnActivated(QSystemTrayIcon::ActivationReason reason) {
  m_lastActivation.start();
  m_balloonClick.stop();
  if (TrayActivationShowsWindow(reason, Click() == TrayClick::Double)) {
    emit showRequested();
  }
}
