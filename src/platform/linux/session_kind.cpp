#include "platform/linux/session_kind.h"

bool IsX11Session(std::string_view sessionType, std::string_view waylandDisplay) {
  if (sessionType == "x11") {
    return true;
  }
  if (sessionType == "wayland") {
    return false;
  }
  // "tty" (a session started from the console, as startx is) or none at all.
  return waylandDisplay.empty();
}
