#pragma once

#include <xcb/xcb.h>

#include <optional>

// Whether the X server is XWayland: its pointer position is then the last one over an
// X11 window, not where the pointer is.
bool X11ServerIsXWayland(xcb_connection_t* connection);

// The window the window manager names as active (_NET_ACTIVE_WINDOW), which is what
// has the keyboard: XCB_WINDOW_NONE when that is none of the X11 windows (under
// XWayland, a Wayland window); none at all where no window manager keeps the name.
std::optional<xcb_window_t> X11ActiveWindow(xcb_connection_t* connection);

// The centre of `window` in root coordinates; none when the window is gone.
struct X11Point {
  int x = 0;
  int y = 0;
};
std::optional<X11Point> X11WindowCentre(xcb_connection_t* connection, xcb_window_t window);
