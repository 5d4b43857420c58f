#pragma once

#include <xcb/xcb.h>

// Whether an XEmbed tray runs on the connection's default screen: a client owns its
// selection _NET_SYSTEM_TRAY_S<screen>.
bool X11SystemTrayIsRunning(xcb_connection_t* connection);
