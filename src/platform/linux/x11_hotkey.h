#pragma once

#include <xcb/xcb.h>

#include "platform/linux/x11_key_mapping.h"

// The global hot-key as a passive key grab on the root window: the key with its
// modifiers, under every combination of CapsLock, NumLock and ScrollLock. A grab the
// server refuses (another client holds the key) is not reported, and an unknown key or
// virtual key 0 grabs nothing; the tray icon still shows the window then.
class X11HotKeyGrab {
 public:
  X11HotKeyGrab(xcb_connection_t* connection, int virtualKey, int modFlags);
  ~X11HotKeyGrab();
  X11HotKeyGrab(const X11HotKeyGrab&) = delete;
  X11HotKeyGrab& operator=(const X11HotKeyGrab&) = delete;

  // At least one combination was granted.
  bool IsGrabbed() const { return m_granted > 0; }
  // True for a key press of the hot-key (the event may be of any type).
  bool Matches(const xcb_generic_event_t* event) const;

 private:
  void Grab();

  xcb_connection_t* m_connection;
  xcb_window_t m_root = XCB_WINDOW_NONE;
  X11HotKeyBinding m_binding;
  int m_granted = 0;
};
