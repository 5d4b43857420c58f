#include "tray/window_activation.h"

#include <QGuiApplication>
#include <QWidget>

#include "platform/linux/x11_window_activation.h"

void ActivateWindow(QWidget* window) {
  if (window == nullptr || !window->isVisible()) {
    return;
  }
  window->raise();
  window->activateWindow();
  // Qt asks as the application itself, which focus-stealing prevention may refuse.
  if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
    X11RequestActivation(x11->connection(), static_cast<xcb_window_t>(window->winId()));
  }
}
