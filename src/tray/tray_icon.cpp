#include "tray/tray_icon.h"

#include <QMenu>

#include "frame/icons.h"
#include "frame/menu_entries.h"
#include "resources/menus.h"
#include "resources/texts.h"
#include "tray/tray_activation.h"

namespace {

// A tray host that starts after us (a panel still loading at log-in) is waited for
// this long before we give up; the hot-key works all the same.
constexpr int kLookIntervalMs = 2000;
constexpr int kLooks = 90;
// An embedding host docks the icon a moment after it appears; a balloon shown before
// that points at the screen's corner instead of the icon.
constexpr int kDockWaitIntervalMs = 100;
constexpr int kDockWaits = 30;
constexpr int kBalloonClickWaitMs = 150;

}  // namespace

TrayIcon::TrayIcon(const std::function<void(int id)>& runCommand, const QString& showEntryText,
                   QObject* parent)
    : QObject(parent), m_menu(std::make_unique<QMenu>()) {
  for (QAction* action : AddMenuEntries(*m_menu, menus::kTrayMenu, runCommand)) {
    if (action->data().toInt() == menus::kTrayMenuDefault) {
      m_menu->setDefaultAction(action);
      action->setText(showEntryText);
    }
  }
  m_icon.setIcon(ApplicationIcon());
  m_icon.setToolTip(QString::fromUtf8(texts::kAppTitle));
  m_icon.setContextMenu(m_menu.get());
  connect(&m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::OnActivated);
  // An embedding host's icon reports any click on it while a balloon is up as a click on
  // the balloon; the activation that comes with it tells the two apart.
  m_balloonClick.setSingleShot(true);
  m_balloonClick.setInterval(kBalloonClickWaitMs);
  connect(&m_icon, &QSystemTrayIcon::messageClicked, &m_balloonClick, qOverload<>(&QTimer::start));
  connect(&m_balloonClick, &QTimer::timeout, this, [this] {
    if (!m_lastActivation.isValid() || m_lastActivation.elapsed() > kBalloonClickWaitMs) {
      emit balloonClicked();
    }
  });
  m_icon.show();

  if (!QSystemTrayIcon::isSystemTrayAvailable()) {
    m_looksLeft = kLooks;
    m_lookForTray.setInterval(kLookIntervalMs);
    connect(&m_lookForTray, &QTimer::timeout, this, &TrayIcon::LookForTray);
    m_lookForTray.start();
  }
  m_waitForDock.setInterval(kDockWaitIntervalMs);
  connect(&m_waitForDock, &QTimer::timeout, this, &TrayIcon::ShowPendingBalloonWhenDocked);
}

TrayIcon::~TrayIcon() {
  m_icon.hide();
}

void TrayIcon::SetShowEntryText(const QString& text) {
  m_menu->defaultAction()->setText(text);
}

void TrayIcon::ShowBalloon(const QString& title, const QString& text) {
  m_pendingBalloon.emplace(title, text);
  if (!m_lookForTray.isActive()) {
    m_dockWaitsLeft = kDockWaits;
    ShowPendingBalloonWhenDocked();
  }
}

void TrayIcon::ShowPendingBalloonWhenDocked() {
  if (!m_pendingBalloon) {
    m_waitForDock.stop();
    return;
  }
  // A host without an icon window of ours (StatusNotifierItem) places the balloon
  // itself; an embedding host has docked the icon once it has left the origin.
  const QRect geometry = m_icon.geometry();
  const bool docked = !geometry.isValid() || geometry.topLeft() != QPoint(0, 0);
  if (!docked && m_dockWaitsLeft-- > 0) {
    m_waitForDock.start();
    return;
  }
  m_waitForDock.stop();
  m_icon.showMessage(m_pendingBalloon->first, m_pendingBalloon->second,
                     QSystemTrayIcon::Information);
  m_pendingBalloon.reset();
}

void TrayIcon::LookForTray() {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) {
    if (--m_looksLeft <= 0) {
      m_lookForTray.stop();
      m_pendingBalloon.reset();
    }
    return;
  }
  m_lookForTray.stop();
  // Shown again so that the icon docks into the tray that has just appeared.
  m_icon.hide();
  m_icon.show();
  m_dockWaitsLeft = kDockWaits;
  ShowPendingBalloonWhenDocked();
}

void TrayIcon::OnActivated(QSystemTrayIcon::ActivationReason reason) {
  m_lastActivation.start();
  m_balloonClick.stop();
  // Only a host that embeds our own icon window gives it a size on screen.
  const bool hostReportsDoubleClicks = m_icon.geometry().isValid();
  if (TrayActivationShowsWindow(reason, hostReportsDoubleClicks)) {
    emit showRequested();
  }
}
