#pragma once

#include <string_view>

// What the desktop session offers the program: the environment variables that tell
// which displays there are and whether the user chose the toolkit's platform.
struct SessionDisplays {
  std::string_view chosenPlatform;  // QT_QPA_PLATFORM
  std::string_view waylandDisplay;  // WAYLAND_DISPLAY
  std::string_view sessionType;     // XDG_SESSION_TYPE
  std::string_view x11Display;      // DISPLAY
};

// The platform the toolkit is to use, or empty to leave its own choice. Where a
// Wayland session also offers an X display (XWayland) and the user chose nothing, X11:
// there the key grab, the cursor position, window placement and activation requests
// work as the program needs them, and the tray is found both ways (StatusNotifierItem
// and XEmbed). A platform the user chose is always kept.
std::string_view PlatformForSession(const SessionDisplays& session);

// The same, read from this process's environment.
std::string_view PlatformForThisSession();
