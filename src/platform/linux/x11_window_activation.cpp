#include "platform/linux/x11_window_activation.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/linux/x11_xcb.h"

namespace {

constexpr std::uint32_t kSourcePager = 2;
constexpr std::size_t kMessageChunk = 20;  // bytes of text in one client message

bool IsUsable(xcb_connection_t* connection, xcb_window_t window) {
  return connection != nullptr && window != XCB_WINDOW_NONE &&
         xcb_connection_has_error(connection) == 0;
}

// A value of the startup-notification text, quoted where it needs to be.
std::string QuotedValue(const std::string& value) {
  std::string quoted = "\"";
  for (const char c : value) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
    }
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

void X11RequestActivation(xcb_connection_t* connection, xcb_window_t window,
                          xcb_timestamp_t timestamp) {
  if (!IsUsable(connection, window)) {
    return;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const xcb_atom_t activeWindow = InternAtom(connection, "_NET_ACTIVE_WINDOW");
  if (screen == nullptr || activeWindow == XCB_ATOM_NONE) {
    return;
  }
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = activeWindow;
  message.data.data32[0] = kSourcePager;
  message.data.data32[1] = timestamp;
  message.data.data32[2] = XCB_WINDOW_NONE;  // no window of ours is active now
  xcb_send_event(connection, 0, screen->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
}

xcb_timestamp_t X11StartupIdTime(const std::string& startupId) {
  const std::size_t mark = startupId.rfind("_TIME");
  if (mark == std::string::npos) {
    return XCB_CURRENT_TIME;
  }
  const char* digits = startupId.c_str() + mark + 5;
  char* end = nullptr;
  const unsigned long long time = std::strtoull(digits, &end, 10);
  if (end == digits || *end != '\0' || time == 0 || time > UINT32_MAX) {
    return XCB_CURRENT_TIME;
  }
  return static_cast<xcb_timestamp_t>(time);
}

void X11CompleteStartup(xcb_connection_t* connection, xcb_window_t window,
                        const std::string& startupId) {
  if (!IsUsable(connection, window) || startupId.empty()) {
    return;
  }
  const xcb_atom_t idAtom = InternAtom(connection, "_NET_STARTUP_ID");
  const xcb_atom_t utf8 = InternAtom(connection, "UTF8_STRING");
  const xcb_atom_t begin = InternAtom(connection, "_NET_STARTUP_INFO_BEGIN");
  const xcb_atom_t more = InternAtom(connection, "_NET_STARTUP_INFO");
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  if (screen == nullptr || idAtom == XCB_ATOM_NONE || begin == XCB_ATOM_NONE) {
    return;
  }
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, idAtom, utf8, 8,
                      static_cast<std::uint32_t>(startupId.size()), startupId.data());
  // The text goes out in pieces of 20 bytes, its terminating zero included.
  const std::string text = "remove: ID=" + QuotedValue(startupId);
  const std::size_t length = text.size() + 1;
  for (std::size_t offset = 0; offset < length; offset += kMessageChunk) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 8;
    message.window = window;
    message.type = offset == 0 ? begin : more;
    std::memcpy(message.data.data8, text.c_str() + offset,
                std::min(kMessageChunk, length - offset));
    xcb_send_event(connection, 0, screen->root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                   reinterpret_cast<const char*>(&message));
  }
  xcb_flush(connection);
}
