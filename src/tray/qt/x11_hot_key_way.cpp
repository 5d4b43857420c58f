#include "tray/qt/x11_hot_key_way.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

#include "platform/linux/portal_shortcut_way.h"
#include "platform/linux/session_kind.h"
#include "platform/linux/x11_hotkey.h"
#include "resources/texts.h"

X11HotKeyWay::X11HotKeyWay(xcb_connection_t* connection, QObject* parent)
    : QObject(parent), m_connection(connection) {
  m_keyboardExtensionEvent = X11KeyboardExtensionFirstEvent(connection);
  QCoreApplication::instance()->installNativeEventFilter(this);
}

X11HotKeyWay::~X11HotKeyWay() {
  if (QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeNativeEventFilter(this);
  }
}

void X11HotKeyWay::Take(const HotKeyCombination& combination) {
  m_combination = combination;
  const bool grabbed = Grab();
  if (!combination.IsNone() && answered) {
    answered(grabbed ? HotKeyAnswer::Held : HotKeyAnswer::Taken, {});
  }
}

bool X11HotKeyWay::Grab() {
  m_regrabQueued = false;
  m_grab.reset();  // the old key codes are given up before the new ones are asked for
  if (m_combination.IsNone()) {
    return false;
  }
  m_grab = std::make_unique<X11HotKeyGrab>(m_connection, m_combination.virtualKey,
                                           m_combination.modFlags);
  return m_grab->IsGrabbed();
}

bool X11HotKeyWay::nativeEventFilter(const QByteArray& eventType, void* message,
                                     qintptr* /*result*/) {
  if (eventType != "xcb_generic_event_t") {
    return false;
  }
  if (IsKeyboardMappingChange(message)) {
    // One change comes as several events; the toolkit needs them as well.
    if (!m_regrabQueued) {
      m_regrabQueued = true;
      QMetaObject::invokeMethod(this, &X11HotKeyWay::Grab, Qt::QueuedConnection);
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
  QMetaObject::invokeMethod(this, &X11HotKeyWay::Press, Qt::QueuedConnection);
  return true;
}

void X11HotKeyWay::Press() {
  if (pressed) {
    pressed();
  }
}

bool X11HotKeyWay::IsKeyboardMappingChange(const void* event) const {
  return IsX11KeyboardMappingChange(static_cast<const xcb_generic_event_t*>(event),
                                    m_keyboardExtensionEvent);
}

std::unique_ptr<HotKeyWay> HotKeyWayForSession() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 != nullptr && IsX11Session(qgetenv("XDG_SESSION_TYPE").toStdString(),
                                     qgetenv("WAYLAND_DISPLAY").toStdString())) {
    return std::make_unique<X11HotKeyWay>(x11->connection());
  }
  return MakePortalShortcutWay(texts::kHotKeyShortcutDescription);
}
