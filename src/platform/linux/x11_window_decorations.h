#pragma once

#include <xcb/xcb.h>

// Asks the window manager for a caption and a sizing border only: no window menu, no
// minimise, maximise or close buttons, and only moving and resizing as functions.
// Call before the window is first mapped.
void X11RequestCaptionAndBorderOnly(xcb_connection_t* connection, xcb_window_t window);
