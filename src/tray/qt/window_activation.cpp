#include "tray/qt/window_activation.h"

#include <QGuiApplication>
#include <QWidget>

#include "platform/linux/x11_where_user_looks.h"
#include "platform/linux/x11_window_activation.h"

void ActivateWindow(QWidget* window, const std::string& activationToken) {
  if (window == nullptr || !window->isVisible()) {
    return;
  }
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr && !activationToken.empty()) {
    // Where the toolkit activates through the compositor, it takes the token from here.
    qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(activationToken));
  }
  window->raise();
  window->activateWindow();
  // Qt asks as the application itself, which focus-stealing prevention may refuse.
  if (x11 != nullptr) {
    const auto id = static_cast<xcb_window_t>(window->winId());
    X11CompleteStartup(x11->connection(), id, activationToken);
    X11RequestActivation(x11->connection(), id, X11StartupIdTime(activationToken));
  }
}

bool IsWindowActive(const QWidget* window) {
  if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
    if (const std::optional<xcb_window_t> active = X11ActiveWindow(x11->connection())) {
      return *active == static_cast<xcb_window_t>(window->winId());
    }
  }
  return window->isActiveWindow();
}

bool DesktopMayRefuseActivation() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 == nullptr || X11ActiveWindow(x11->connection()).has_value();
}
