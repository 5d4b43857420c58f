#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class QMenu;

// The icon in the notification area: tooltip "VOSTEK", the application icon, the menu
// "tasktray" (its entries run through `runCommand`; its default entry, which shows the
// window, reads `showEntryText`) and the balloons. Where no
// tray is there at start, it keeps looking for a while and moves in when one appears.
// The icon leaves the tray with the object.
class TrayIcon : public QObject {
  Q_OBJECT

 public:
  TrayIcon(const std::function<void(int id)>& runCommand, const QString& showEntryText,
           QObject* parent = nullptr);
  ~TrayIcon() override;

  // Shows the balloon now, or as soon as the icon is in a tray that appears later.
  void ShowBalloon(const QString& title, const QString& text);

  // The text of the menu's entry that shows the window (it names the hot-key).
  void SetShowEntryText(const QString& text);

  QSystemTrayIcon& Icon() { return m_icon; }
  QMenu* Menu() const { return m_menu.get(); }

 signals:
  void showRequested();
  // A click on the balloon itself, not on the icon under it.
  void balloonClicked();

 private:
  void OnActivated(QSystemTrayIcon::ActivationReason reason);
  void LookForTray();
  void ShowPendingBalloonWhenDocked();

  std::unique_ptr<QMenu> m_menu;
  QSystemTrayIcon m_icon;
  QTimer m_lookForTray;
  int m_looksLeft = 0;
  QTimer m_waitForDock;
  int m_dockWaitsLeft = 0;
  std::optional<std::pair<QString, QString>> m_pendingBalloon;
  QTimer m_balloonClick;  // a balloon click waits to see whether the icon was clicked
  QElapsedTimer m_lastActivation;
};
