#include "tray/global_hotkey.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "platform/linux/x11_hotkey.h"

GlobalHotKey::GlobalHotKey(int virtualKey, int modFlags, QObject* parent) : QObject(parent) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || virtualKey == 0) {
    return;
  }
  m_grab = std::make_unique<X11HotKeyGrab>(x11->connection(), virtualKey, modFlags);
  if (m_grab->IsGrabbed()) {
    QCoreApplication::instance()->installNativeEventFilter(this);
  }
}

GlobalHotKey::~GlobalHotKey() {
  if (QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeNativeEventFilter(this);
  }
}

bool GlobalHotKey::nativeEventFilter(const QByteArray& eventType, void* message,
                                     qintptr* /*result*/) {
  if (eventType != "xcb_generic_event_t" || !m_grab ||
      !m_grab->Matches(static_cast<const xcb_generic_event_t*>(message))) {
    return false;
  }
  // Shown after the toolkit has finished with this event, not from inside its reader.
  QMetaObject::invokeMethod(this, &GlobalHotKey::pressed, Qt::QueuedConnection);
  return true;
}
