#pragma once

#include <xcb/xcb.h>

// Asks the window manager for a caption and a sizing border only: no window menu, no
// minimise, maximise or close buttons, and only moving and resizing as functions.
// Call before the window is first mapped.
void X11RequestCaptionAndBorderOnly(xcb_connection_t* connection, xcb_window_t window);

// Asks the window manager to announce the frame it will put around `window` before the
// window is first mapped (_NET_REQUEST_FRAME_EXTENTS); the toolkit reads the answer, so a
// window shown for the first time can be placed and sized by its outer size.
void X11RequestFrameExtents(xcb_connection_t* connection, xcb_window_t window);
