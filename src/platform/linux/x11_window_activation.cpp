#include "platform/linux/x11_window_activation.h"

#include <cstdint>

#include "platform/linux/x11_xcb.h"

namespace {

constexpr std::uint32_t kSourcePager = 2;

}  // namespace

void X11RequestActivation(xcb_connection_t* connection, xcb_window_t window) {
  if (connection == nullptr || window == XCB_WINDOW_NONE ||
      xcb_connection_has_error(connection) != 0) {
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
  message.data.data32[1] = XCB_CURRENT_TIME;
  message.data.data32[2] = XCB_WINDOW_NONE;  // no window of ours is active now
  xcb_send_event(connection, 0, screen->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
}
