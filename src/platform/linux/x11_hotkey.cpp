#include "platform/linux/x11_hotkey.h"

#include <xcb/xcb_keysyms.h>

#include <array>
#include <cstring>
#include <memory>

#include "platform/linux/x11_xcb.h"

namespace {

struct KeySymbolsDeleter {
  void operator()(xcb_key_symbols_t* symbols) const { xcb_key_symbols_free(symbols); }
};
using KeySymbols = std::unique_ptr<xcb_key_symbols_t, KeySymbolsDeleter>;

std::vector<std::uint8_t> KeycodesOf(xcb_key_symbols_t* symbols, X11Keysym keysym) {
  std::vector<std::uint8_t> keycodes;
  XcbReply<xcb_keycode_t> list(xcb_key_symbols_get_keycode(symbols, keysym));
  if (list) {
    for (const xcb_keycode_t* code = list.get(); *code != XCB_NO_SYMBOL; ++code) {
      keycodes.push_back(*code);
    }
  }
  return keycodes;
}

X11ModifierBits QueryModifierBits(xcb_connection_t* connection, xcb_key_symbols_t* symbols) {
  std::array<std::vector<X11Keysym>, 8> keysymsPerModifier;
  XcbReply<xcb_get_modifier_mapping_reply_t> reply(
      xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
  if (reply) {
    const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(reply.get());
    const int perModifier = reply->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
      for (int i = 0; i < perModifier; ++i) {
        const xcb_keycode_t keycode = keycodes[modifier * perModifier + i];
        if (keycode != 0) {
          keysymsPerModifier[static_cast<std::size_t>(modifier)].push_back(
              xcb_key_symbols_get_keysym(symbols, keycode, 0));
        }
      }
    }
  }
  return ModifierBitsFromMap(keysymsPerModifier);
}

}  // namespace

X11HotKeyGrab::X11HotKeyGrab(xcb_connection_t* connection, int virtualKey, int modFlags)
    : m_connection(connection) {
  if (connection == nullptr || xcb_connection_has_error(connection) != 0) {
    return;
  }
  const X11Keysym keysym = VirtualKeyToKeysym(virtualKey);
  if (keysym == 0) {
    return;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  if (screen == nullptr) {
    return;
  }
  m_root = screen->root;
  KeySymbols symbols(xcb_key_symbols_alloc(connection));
  if (!symbols) {
    return;
  }
  m_binding.keycodes = KeycodesOf(symbols.get(), keysym);
  const X11ModifierBits bits = QueryModifierBits(connection, symbols.get());
  m_binding.mask = ModifierMaskFromFlags(modFlags, bits);
  m_binding.locks = LockModifierMask(bits, m_binding.mask);
  Grab();
}

void X11HotKeyGrab::Grab() {
  std::vector<xcb_void_cookie_t> cookies;
  for (const std::uint8_t keycode : m_binding.keycodes) {
    for (const std::uint16_t locks : LockCombinations(m_binding.locks)) {
      cookies.push_back(xcb_grab_key_checked(m_connection, 1, m_root,
                                             static_cast<std::uint16_t>(m_binding.mask | locks),
                                             keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
  }
  m_requested = static_cast<int>(cookies.size());
  // Collected here so that a refusal never reaches the toolkit's error log.
  for (const xcb_void_cookie_t cookie : cookies) {
    XcbReply<xcb_generic_error_t> error(xcb_request_check(m_connection, cookie));
    if (!error) {
      ++m_granted;
    }
  }
}

X11HotKeyGrab::~X11HotKeyGrab() {
  if (m_root == XCB_WINDOW_NONE || xcb_connection_has_error(m_connection) != 0) {
    return;
  }
  std::vector<xcb_void_cookie_t> cookies;
  for (const std::uint8_t keycode : m_binding.keycodes) {
    for (const std::uint16_t locks : LockCombinations(m_binding.locks)) {
      cookies.push_back(xcb_ungrab_key_checked(m_connection, keycode, m_root,
                                               static_cast<std::uint16_t>(m_binding.mask | locks)));
    }
  }
  for (const xcb_void_cookie_t cookie : cookies) {
    XcbReply<xcb_generic_error_t> error(xcb_request_check(m_connection, cookie));
  }
}

bool X11HotKeyGrab::Matches(const xcb_generic_event_t* event) const {
  constexpr std::uint8_t kSentEventBit = 0x80;
  if (m_granted == 0 || event == nullptr ||
      (event->response_type & ~kSentEventBit) != XCB_KEY_PRESS) {
    return false;
  }
  const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
  return press->event == m_root && IsHotKeyPress(m_binding, press->detail, press->state);
}

int X11VirtualKeyOfKeycode(xcb_connection_t* connection, std::uint8_t keycode) {
  if (connection == nullptr || xcb_connection_has_error(connection) != 0) {
    return 0;
  }
  KeySymbols symbols(xcb_key_symbols_alloc(connection));
  return symbols ? KeysymToVirtualKey(xcb_key_symbols_get_keysym(symbols.get(), keycode, 0)) : 0;
}

std::uint8_t X11KeyboardExtensionFirstEvent(xcb_connection_t* connection) {
  if (connection == nullptr || xcb_connection_has_error(connection) != 0) {
    return 0;
  }
  constexpr char kName[] = "XKEYBOARD";
  XcbReply<xcb_query_extension_reply_t> reply(xcb_query_extension_reply(
      connection, xcb_query_extension(connection, std::strlen(kName), kName), nullptr));
  return reply && reply->present != 0 ? reply->first_event : 0;
}

bool IsX11KeyboardMappingChange(const xcb_generic_event_t* event,
                                std::uint8_t keyboardExtensionEvent) {
  constexpr std::uint8_t kSentEventBit = 0x80;
  // The keyboard extension's event kinds, in the byte after the response type.
  constexpr std::uint8_t kNewKeyboardNotify = 0;
  constexpr std::uint8_t kMapNotify = 1;
  if (event == nullptr) {
    return false;
  }
  const auto type = static_cast<std::uint8_t>(event->response_type & ~kSentEventBit);
  if (type == XCB_MAPPING_NOTIFY) {
    const auto* mapping = reinterpret_cast<const xcb_mapping_notify_event_t*>(event);
    return mapping->request != XCB_MAPPING_POINTER;
  }
  if (keyboardExtensionEvent != 0 && type == keyboardExtensionEvent) {
    const std::uint8_t kind = event->pad0;
    return kind == kNewKeyboardNotify || kind == kMapNotify;
  }
  return false;
}
