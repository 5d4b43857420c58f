#include "tray/qt/tray_activation.h"

bool TrayActivationShowsWindow(QSystemTrayIcon::ActivationReason reason,
                               bool hostReportsDoubleClicks) {
  switch (reason) {
    case QSystemTrayIcon::DoubleClick:
      return true;
    case QSystemTrayIcon::Trigger:
      return !hostReportsDoubleClicks;
    default:
      return false;
  }
}
