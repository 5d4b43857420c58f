#pragma once

#include <xcb/xcb.h>

#include <string>

// Asks the window manager to activate `window` as a pager would (source indication 2 of
// _NET_ACTIVE_WINDOW): focus-stealing prevention lets such a request through, and the
// user did ask for the window. `timestamp` is the time of the user's action, or
// XCB_CURRENT_TIME. Without a window manager the request has no effect.
void X11RequestActivation(xcb_connection_t* connection, xcb_window_t window,
                          xcb_timestamp_t timestamp = XCB_CURRENT_TIME);

// The time of the user's action that a startup-notification id carries ("..._TIME1234"),
// or XCB_CURRENT_TIME when it carries none.
xcb_timestamp_t X11StartupIdTime(const std::string& startupId);

// Ties `window` to the launch that `startupId` names (_NET_STARTUP_ID) and tells the
// desktop that this launch is complete, so its busy pointer or taskbar entry ends.
void X11CompleteStartup(xcb_connection_t* connection, xcb_window_t window,
                        const std::string& startupId);
