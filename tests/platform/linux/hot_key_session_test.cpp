#include <gtest/gtest.h>

#include "platform/linux/portal_shortcut_way.h"
#include "platform/linux/session_kind.h"
#include "platform/linux/x11_key_mapping.h"

namespace {

TEST(HotKeySessionTest, TheSessionDecidesBetweenTheGrabAndThePortal) {
  struct Case {
    const char* type;
    const char* waylandDisplay;
    bool x11;
  };
  const Case cases[] = {
      {"x11", "", true},      {"x11", "wayland-0", true},  // a type said is believed
      {"wayland", "", false}, {"wayland", "wayland-0", false},
      {"", "", true},         {"", "wayland-0", false},
      {"tty", "", true},      {"tty", "wayland-1", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.type) + "/" + c.waylandDisplay);
    EXPECT_EQ(IsX11Session(c.type, c.waylandDisplay), c.x11);
  }
}

TEST(HotKeySessionTest, ThePortalTriggerAndTheCapturedKeyMatchTheSettingNumbers) {
  struct Case {
    HotKeyCombination combination;
    const char* trigger;
  };
  const Case cases[] = {
      {{0x20, 1}, "ALT+space"},
      {{'K', 2 | 1}, "CTRL+ALT+k"},
      {{0x7B, 4 | 8}, "SHIFT+LOGO+F12"},
      {{'7', 0}, "7"},
      {{0x65, 2}, "CTRL+KP_5"},
      {{0xBF, 1}, "ALT+slash"},
      {{0x25, 8}, "LOGO+Left"},
      {{0x07, 1}, ""},  // no keysym: no preference
      {{}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.trigger);
    EXPECT_EQ(PortalTrigger(c.combination), c.trigger);
    if (*c.trigger != '\0') {
      // The key the dialog captures names the same virtual key again.
      EXPECT_EQ(KeysymToVirtualKey(VirtualKeyToKeysym(c.combination.virtualKey)),
                c.combination.virtualKey);
    }
  }
}

}  // namespace
