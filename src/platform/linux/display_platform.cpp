#include "platform/linux/display_platform.h"

#include <cstdlib>

namespace {

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

std::string_view PlatformForSession(const SessionDisplays& session) {
  if (!session.chosenPlatform.empty() || session.x11Display.empty()) {
    return {};
  }
  const bool wayland = !session.waylandDisplay.empty() || session.sessionType == "wayland";
  return wayland ? "xcb" : "";
}

std::string_view PlatformForThisSession() {
  return PlatformForSession({Variable("QT_QPA_PLATFORM"), Variable("WAYLAND_DISPLAY"),
                             Variable("XDG_SESSION_TYPE"), Variable("DISPLAY")});
}
