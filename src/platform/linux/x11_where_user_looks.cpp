#include "platform/linux/x11_where_user_looks.h"

#include <cstring>

#include "platform/linux/x11_xcb.h"

namespace {

constexpr char kXWaylandExtension[] = "XWAYLAND";

}  // namespace

bool X11ServerIsXWayland(xcb_connection_t* connection) {
  if (connection == nullptr || xcb_connection_has_error(connection) != 0) {
    return false;
  }
  const XcbReply<xcb_query_extension_reply_t> reply(xcb_query_extension_reply(
      connection,
      xcb_query_extension(connection, std::strlen(kXWaylandExtension), kXWaylandExtension),
      nullptr));
  return reply != nullptr && reply->present != 0;
}

std::optional<xcb_window_t> X11ActiveWindow(xcb_connection_t* connection) {
  if (connection == nullptr || xcb_connection_has_error(connection) != 0) {
    return std::nullopt;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const xcb_atom_t activeWindow = InternAtom(connection, "_NET_ACTIVE_WINDOW");
  if (screen == nullptr || activeWindow == XCB_ATOM_NONE) {
    return std::nullopt;
  }
  const XcbReply<xcb_get_property_reply_t> property(xcb_get_property_reply(
      connection,
      xcb_get_property(connection, 0, screen->root, activeWindow, XCB_ATOM_WINDOW, 0, 1), nullptr));
  if (property == nullptr || property->type != XCB_ATOM_WINDOW) {
    return std::nullopt;
  }
  xcb_window_t window = XCB_WINDOW_NONE;
  if (xcb_get_property_value_length(property.get()) >= static_cast<int>(sizeof window)) {
    std::memcpy(&window, xcb_get_property_value(property.get()), sizeof window);
  }
  return window;
}

std::optional<X11Point> X11WindowCentre(xcb_connection_t* connection, xcb_window_t window) {
  if (connection == nullptr || window == XCB_WINDOW_NONE ||
      xcb_connection_has_error(connection) != 0) {
    return std::nullopt;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const XcbReply<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
  if (screen == nullptr || geometry == nullptr) {
    return std::nullopt;
  }
  const XcbReply<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
      connection, xcb_translate_coordinates(connection, window, screen->root, 0, 0), nullptr));
  if (origin == nullptr) {
    return std::nullopt;
  }
  return X11Point{origin->dst_x + geometry->width / 2, origin->dst_y + geometry->height / 2};
}
