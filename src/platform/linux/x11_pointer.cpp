#include "platform/linux/x11_pointer.h"

#include "platform/linux/x11_xcb.h"

bool X11PointerButtonDown(xcb_connection_t* connection) {
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  if (screen == nullptr) {
    return false;
  }
  const XcbReply<xcb_query_pointer_reply_t> reply(
      xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr));
  return reply != nullptr &&
         (reply->mask & (XCB_BUTTON_MASK_1 | XCB_BUTTON_MASK_2 | XCB_BUTTON_MASK_3)) != 0;
}
