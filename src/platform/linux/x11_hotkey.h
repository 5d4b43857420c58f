#pragma once

#include <xcb/xcb.h>

#include "platform/linux/x11_key_mapping.h"

// The global hot-key as a passive key grab on the root window: the key with its
// modifiers, under every combination of CapsLock, NumLock and ScrollLock. The combinations
// the server grants are kept even when others are refused (another client holds them);
// an unknown key or virtual key 0 grabs nothing. Refusals never reach the error log.
class X11HotKeyGrab {
 public:
  X11HotKeyGrab(xcb_connection_t* connection, int virtualKey, int modFlags);
  ~X11HotKeyGrab();
  X11HotKeyGrab(const X11HotKeyGrab&) = delete;
  X11HotKeyGrab& operator=(const X11HotKeyGrab&) = delete;

  // Every combination was granted: the key works whatever lock modifiers are on.
  bool IsGrabbed() const { return m_granted > 0 && m_granted == m_requested; }
  // True for a key press of the hot-key (the event may be of any type).
  bool Matches(const xcb_generic_event_t* event) const;

 private:
  void Grab();

  xcb_connection_t* m_connection;
  xcb_window_t m_root = XCB_WINDOW_NONE;
  X11HotKeyBinding m_binding;
  int m_requested = 0;
  int m_granted = 0;
};

// The virtual key of a key code: its keysym on the key's first level, so that a key
// pressed with Shift names the same key as without; 0 for a key no virtual key names.
int X11VirtualKeyOfKeycode(xcb_connection_t* connection, std::uint8_t keycode);

// The first event code of the server's keyboard extension (XKEYBOARD), 0 without it.
std::uint8_t X11KeyboardExtensionFirstEvent(xcb_connection_t* connection);

// True for an event that says the keyboard mapping changed, so that key codes may now
// stand for other keys: the core MappingNotify of the keyboard or the modifiers, or the
// keyboard extension's new-keyboard and map notifications (`keyboardExtensionEvent` is
// its first event code, or 0).
bool IsX11KeyboardMappingChange(const xcb_generic_event_t* event,
                                std::uint8_t keyboardExtensionEvent);
