#include "tray/global_hotkey.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

#include "platform/linux/x11_hotkey.h"

namespace {

xcb_connection_t* X11Connection() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

}  // namespace

GlobalHotKey::GlobalHotKey(int virtualKey, int modFlags, QObject* parent)
    : QObject(parent), m_virtualKey(virtualKey), m_modFlags(modFlags) {
  if (virtualKey == 0) {
    return;
  }
  if (xcb_connection_t* connection = X11Connection()) {
    m_keyboardExtensionEvent = X11KeyboardExtensionFirstEvent(connection);
    QCoreApplication::instance()->installNativeEventFilter(this);
  }
  Grab();
}

GlobalHotKey::~GlobalHotKey() {
  if (QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeNativeEventFilter(this);
  }
}

void GlobalHotKey::Grab() {
  m_regrabQueued = false;
  m_grab.reset();  // the old key codes are given up before the new ones are asked for
  if (xcb_connection_t* connection = X11Connection()) {
    m_grab = std::make_unique<X11HotKeyGrab>(connection, m_virtualKey, m_modFlags);
  }
  if ((!m_grab || !m_grab->IsGrabbed()) && !m_reported) {
    m_reported = true;
    QMetaObject::invokeMethod(this, &GlobalHotKey::unavailable, Qt::QueuedConnection);
  }
}

bool GlobalHotKey::nativeEventFilter(const QByteArray& eventType, void* message,
                                     qintptr* /*result*/) {
  if (eventType != "xcb_generic_event_t") {
    return false;
  }
  if (IsKeyboardMappingChange(message)) {
    // One change comes as several events; the toolkit needs them as well.
    if (!m_regrabQueued) {
      m_regrabQueued = true;
      QMetaObject::invokeMethod(this, &GlobalHotKey::Grab, Qt::QueuedConnection);
    }
    return false;
  }
  if (!m_grab || !m_grab->Matches(static_cast<const xcb_generic_event_t*>(message))) {
    return false;
  }
  // The grabbed key never reaches the toolkit, which then sees its modifiers pressed and
  // released alone; a lone Alt would put the keyboard into the menu bar. Any key
  // between them cancels that, as the real key would have without the grab.
  QKeyEvent keyBetween(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier);
  QCoreApplication::sendEvent(this, &keyBetween);
  // Shown after the toolkit has finished with this event, not from inside its reader.
  QMetaObject::invokeMethod(this, &GlobalHotKey::pressed, Qt::QueuedConnection);
  return true;
}

bool GlobalHotKey::IsKeyboardMappingChange(const void* event) const {
  return IsX11KeyboardMappingChange(static_cast<const xcb_generic_event_t*>(event),
                                    m_keyboardExtensionEvent);
}
