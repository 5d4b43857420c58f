#pragma once

#include <string_view>

// Whether the desktop session is an X11 one, where a key grab on the X server sees every
// key, from $XDG_SESSION_TYPE and $WAYLAND_DISPLAY (empty when unset). A session that
// names its type is taken at its word; one that does not is X11 unless a Wayland display
// is there.
bool IsX11Session(std::string_view sessionType, std::string_view waylandDisplay);
