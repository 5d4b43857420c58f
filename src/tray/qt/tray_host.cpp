#include "tray/qt/tray_host.h"

#include <QGuiApplication>

#include "platform/linux/status_notifier_watcher.h"
#include "platform/linux/x11_system_tray.h"

TrayHost FindTrayHost() {
  if (IsStatusNotifierWatcherRunning()) {
    return TrayHost::StatusNotifier;
  }
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 != nullptr && X11SystemTrayIsRunning(x11->connection())) {
    return TrayHost::Embedding;
  }
  return TrayHost::None;
}

bool TrayKindIsFixedAtIconCreation() {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}
