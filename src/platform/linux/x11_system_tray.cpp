#include "platform/linux/x11_system_tray.h"

#include <cstdlib>
#include <string>

#include "platform/linux/x11_xcb.h"

bool X11SystemTrayIsRunning(xcb_connection_t* connection) {
  if (connection == nullptr || xcb_connection_has_error(connection) != 0) {
    return false;
  }
  int screen = 0;
  char* host = nullptr;
  int display = 0;
  if (xcb_parse_display(nullptr, &host, &display, &screen) != 0) {
    std::free(host);
  }
  const xcb_atom_t selection =
      InternAtom(connection, "_NET_SYSTEM_TRAY_S" + std::to_string(screen));
  if (selection == XCB_ATOM_NONE) {
    return false;
  }
  const XcbReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
      connection, xcb_get_selection_owner(connection, selection), nullptr));
  return owner != nullptr && owner->owner != XCB_WINDOW_NONE;
}
