#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>
#include <memory>

#include "tray/hot_key_keeper.h"

class X11HotKeyGrab;
struct xcb_connection_t;

// The hot-key as a key grab on the X11 root window, answered at once. Grabbed anew
// whenever the keyboard mapping changes, since the key may then sit on another key code.
// The grab ends with the object.
class X11HotKeyWay : public QObject, public QAbstractNativeEventFilter, public HotKeyWay {
  Q_OBJECT

 public:
  explicit X11HotKeyWay(xcb_connection_t* connection, QObject* parent = nullptr);
  ~X11HotKeyWay() override;

  void Take(const HotKeyCombination& combination) override;
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  bool Grab();
  bool IsKeyboardMappingChange(const void* event) const;
  void Press();

  xcb_connection_t* m_connection;
  HotKeyCombination m_combination;
  std::unique_ptr<X11HotKeyGrab> m_grab;
  std::uint8_t m_keyboardExtensionEvent = 0;  // first event code of XKEYBOARD; 0 without it
  bool m_regrabQueued = false;
};

// The way to own the hot-key in this session: the X11 grab in an X11 session, the
// desktop's global-shortcuts portal elsewhere (a Wayland session, where a grab through
// XWayland sees only keys meant for X11 windows).
std::unique_ptr<HotKeyWay> HotKeyWayForSession();
