#pragma once

#include <xcb/xcb.h>

// True while a pointer button (left, middle or right) is held down anywhere on the
// display, whoever has grabbed the pointer: during a drag of a window's border the
// window manager holds the grab, and the window only sees its new sizes.
bool X11PointerButtonDown(xcb_connection_t* connection);
