#pragma once

#include <xcb/xcb.h>

// Asks the window manager to activate `window` as a pager would (source indication 2 of
// _NET_ACTIVE_WINDOW): focus-stealing prevention lets such a request through, and the
// user did ask for the window. Without a window manager the request has no effect.
void X11RequestActivation(xcb_connection_t* connection, xcb_window_t window);
