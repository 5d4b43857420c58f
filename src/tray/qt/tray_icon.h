#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "tray/notification_icon.h"
#include "tray/qt/tray_host.h"

class QMenu;

// The icon in the notification area: tooltip "VOSTEK", the application icon, the menu
// "tasktray" (its entries run through `runCommand`; its default entry shows the window)
// and the balloons. Where no tray host runs at start, it keeps looking and moves in when
// one appears. The icon leaves the tray with the object.
class TrayIcon : public QObject, public NotificationIcon {
  Q_OBJECT

 public:
  explicit TrayIcon(const std::function<void(int id)>& runCommand, QObject* parent = nullptr);
  ~TrayIcon() override;

  // Whether a tray host runs (or ran) to show the icon: without one, nothing on screen
  // leads the user to the window.
  bool HasHost() const { return m_host != TrayHost::None; }

  // Shows the balloon now, or as soon as the icon is in a tray that appears later. The
  // text is made then, for the click that shows the window on that tray. A click on the
  // balloon itself (not on the icon under it) runs `onClick`.
  void ShowBalloon(const std::string& title, std::function<std::string(TrayClick)> text,
                   std::function<void()> onClick) override;
  // The same for a text that does not send the user to the icon.
  void ShowBalloon(const QString& title, const QString& text) {
    ShowBalloon(title.toStdString(), [text = text.toStdString()](TrayClick) { return text; }, {});
  }

  // The icon; null until a host is found where the toolkit settles the tray's kind when
  // the icon is made.
  QSystemTrayIcon* Icon() const { return m_icon.get(); }
  QMenu* Menu() const { return m_menu.get(); }

  void SetShowEntryText(const std::string& text) override;

 signals:
  void showRequested();

 private:
  struct Balloon {
    std::string title;
    std::function<std::string(TrayClick)> text;
    std::function<void()> onClick;
  };

  void MakeIcon();
  TrayClick Click() const;
  void OnActivated(QSystemTrayIcon::ActivationReason reason);
  void LookForTray();
  void ShowPendingBalloonWhenDocked();

  std::unique_ptr<QMenu> m_menu;
  std::unique_ptr<QSystemTrayIcon> m_icon;
  TrayHost m_host = TrayHost::None;
  QTimer m_lookForTray;
  QTimer m_waitForDock;
  int m_dockWaitsLeft = 0;
  std::optional<Balloon> m_pendingBalloon;
  std::function<void()> m_shownBalloonClick;
  QTimer m_balloonClick;  // a balloon click waits to see whether the icon was clicked
  QElapsedTimer m_lastActivation;
};
