#include "platform/linux/display_platform.h"

#include <gtest/gtest.h>

namespace {

TEST(PlatformForSession, XWaylandWhereBothDisplaysAreThereAndTheUserChoseNothing) {
  struct Case {
    SessionDisplays session;
    std::string_view platform;
  };
  const Case cases[] = {
      // A Wayland session with XWayland, named by its socket or by its session type.
      {{"", "wayland-0", "wayland", ":0"}, "xcb"},
      {{"", "wayland-1", "", ":1"}, "xcb"},
      {{"", "", "wayland", ":0"}, "xcb"},
      // The user's choice stands, whatever it is.
      {{"wayland", "wayland-0", "wayland", ":0"}, ""},
      {{"offscreen", "wayland-0", "wayland", ":0"}, ""},
      // Only one kind of display: the toolkit's own choice is the right one.
      {{"", "", "x11", ":0"}, ""},
      {{"", "", "", ":0"}, ""},
      {{"", "wayland-0", "wayland", ""}, ""},
      {{"", "", "", ""}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.session.chosenPlatform) + "|" +
                 std::string(c.session.waylandDisplay) + "|" + std::string(c.session.sessionType) +
                 "|" + std::string(c.session.x11Display));
    EXPECT_EQ(PlatformForSession(c.session), c.platform);
  }
}

}  // namespace
