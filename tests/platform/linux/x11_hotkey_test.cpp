#include "platform/linux/x11_hotkey.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <string>

namespace {

constexpr int kSpace = 0x20;
constexpr int kModAlt = 1;
constexpr std::uint16_t kMod1 = 1 << 3;
constexpr std::uint16_t kLock = 1 << 1;
constexpr std::uint16_t kMod2 = 1 << 4;

// A private X server for the test: Xvfb on a display number it picks itself.
class XvfbServer {
 public:
  XvfbServer() {
    if (access("/usr/bin/Xvfb", X_OK) != 0) {
      return;
    }
    int fds[2];
    if (pipe(fds) != 0) {
      return;
    }
    const std::string fd = std::to_string(fds[1]);
    const char* argv[] = {"Xvfb",     "-displayfd", fd.c_str(), "-nolisten",  "tcp",
                          "-noreset", "-screen",    "0",        "640x480x24", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int spawned =
        posix_spawn(&m_pid, "/usr/bin/Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
      m_pid = -1;
      close(fds[0]);
      return;
    }
    std::string number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n') {
      number += c;
    }
    close(fds[0]);
    if (!number.empty()) {
      m_display = ":" + number;
    }
  }
  ~XvfbServer() {
    if (m_pid > 0) {
      kill(m_pid, SIGTERM);
      waitpid(m_pid, nullptr, 0);
    }
  }
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  const std::string& Display() const { return m_display; }

 private:
  pid_t m_pid = -1;
  std::string m_display;
};

struct ConnectionCloser {
  void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};
using Connection = std::unique_ptr<xcb_connection_t, ConnectionCloser>;

class X11HotKeyGrabTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { s_server = new XvfbServer; }
  static void TearDownTestSuite() {
    delete s_server;
    s_server = nullptr;
  }

  void SetUp() override {
    if (s_server->Display().empty()) {
      GTEST_SKIP() << "Xvfb is not available";
    }
    m_ours.reset(xcb_connect(s_server->Display().c_str(), nullptr));
    m_other.reset(xcb_connect(s_server->Display().c_str(), nullptr));
    ASSERT_EQ(xcb_connection_has_error(m_ours.get()), 0);
    ASSERT_EQ(xcb_connection_has_error(m_other.get()), 0);
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_other.get())).data->root;
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(m_other.get());
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, 0x20 /* XK_space */);
    ASSERT_NE(codes, nullptr);
    m_spaceKeycode = codes[0];
    std::free(codes);
    xcb_key_symbols_free(symbols);
  }

  // Whether the other client may grab Alt+Space with these extra lock bits.
  bool OtherClientCanGrab(std::uint16_t locks) {
    const auto modifiers = static_cast<std::uint16_t>(kMod1 | locks);
    xcb_generic_error_t* error = xcb_request_check(
        m_other.get(), xcb_grab_key_checked(m_other.get(), 1, m_root, modifiers, m_spaceKeycode,
                                            XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    const bool granted = error == nullptr;
    std::free(error);
    if (granted) {
      xcb_ungrab_key(m_other.get(), m_spaceKeycode, m_root, modifiers);
      xcb_flush(m_other.get());
    }
    return granted;
  }

  xcb_key_press_event_t Press(std::uint8_t type, xcb_window_t window, std::uint16_t state) const {
    xcb_key_press_event_t event{};
    event.response_type = type;
    event.detail = m_spaceKeycode;
    event.event = window;
    event.root = m_root;
    event.state = state;
    return event;
  }

  static XvfbServer* s_server;
  Connection m_ours;
  Connection m_other;
  xcb_window_t m_root = 0;
  xcb_keycode_t m_spaceKeycode = 0;
};

XvfbServer* X11HotKeyGrabTest::s_server = nullptr;

TEST_F(X11HotKeyGrabTest, HoldsTheKeyUnderEveryLockStateUntilDestroyed) {
  {
    X11HotKeyGrab grab(m_ours.get(), kSpace, kModAlt);
    EXPECT_TRUE(grab.IsGrabbed());
    for (const std::uint16_t locks : {0, 1 << 1, 1 << 4, (1 << 1) | (1 << 4)}) {
      EXPECT_FALSE(OtherClientCanGrab(locks)) << "locks " << locks;
    }
    // Alt+Shift+Space is another key combination and stays free.
    EXPECT_TRUE(OtherClientCanGrab(1 << 0));
  }
  for (const std::uint16_t locks : {0, 1 << 1, 1 << 4, (1 << 1) | (1 << 4)}) {
    EXPECT_TRUE(OtherClientCanGrab(locks)) << "locks " << locks;
  }
}

TEST_F(X11HotKeyGrabTest, MatchesOnlyKeyPressesOfTheKeyOnTheRoot) {
  X11HotKeyGrab grab(m_ours.get(), kSpace, kModAlt);
  ASSERT_TRUE(grab.IsGrabbed());
  auto event = Press(XCB_KEY_PRESS, m_root, kMod1 | kLock | kMod2);
  EXPECT_TRUE(grab.Matches(reinterpret_cast<xcb_generic_event_t*>(&event)));
  event = Press(XCB_KEY_PRESS | 0x80, m_root, kMod1);  // sent by a client
  EXPECT_TRUE(grab.Matches(reinterpret_cast<xcb_generic_event_t*>(&event)));
  event = Press(XCB_KEY_RELEASE, m_root, kMod1);
  EXPECT_FALSE(grab.Matches(reinterpret_cast<xcb_generic_event_t*>(&event)));
  event = Press(XCB_KEY_PRESS, m_root + 1, kMod1);
  EXPECT_FALSE(grab.Matches(reinterpret_cast<xcb_generic_event_t*>(&event)));
  event = Press(XCB_KEY_PRESS, m_root, 0);
  EXPECT_FALSE(grab.Matches(reinterpret_cast<xcb_generic_event_t*>(&event)));
  EXPECT_FALSE(grab.Matches(nullptr));
}

TEST_F(X11HotKeyGrabTest, AKeyHeldByAnotherClientIsNotGrabbedAndRefusedSilently) {
  const auto modifiers = static_cast<std::uint16_t>(kMod1);
  xcb_grab_key(m_other.get(), 1, m_root, modifiers, m_spaceKeycode, XCB_GRAB_MODE_ASYNC,
               XCB_GRAB_MODE_ASYNC);
  xcb_flush(m_other.get());
  free(xcb_get_input_focus_reply(m_other.get(), xcb_get_input_focus(m_other.get()), nullptr));

  X11HotKeyGrab grab(m_ours.get(), kSpace, kModAlt);
  // Only the plain combination was taken, so without lock keys the key does not reach
  // us; those with lock bits are still granted and work.
  EXPECT_FALSE(grab.IsGrabbed());
  auto event = Press(XCB_KEY_PRESS, m_root, kMod1 | kMod2);
  EXPECT_TRUE(grab.Matches(reinterpret_cast<xcb_generic_event_t*>(&event)));
  // The refusal was collected, so no error waits in our connection's queue.
  xcb_flush(m_ours.get());
  free(xcb_get_input_focus_reply(m_ours.get(), xcb_get_input_focus(m_ours.get()), nullptr));
  xcb_generic_event_t* queued = xcb_poll_for_event(m_ours.get());
  EXPECT_EQ(queued, nullptr);
  std::free(queued);
}

TEST_F(X11HotKeyGrabTest, NoHotKeyOrAnUnknownKeyGrabsNothing) {
  X11HotKeyGrab none(m_ours.get(), 0, kModAlt);
  X11HotKeyGrab unknown(m_ours.get(), 0x07, kModAlt);
  EXPECT_FALSE(none.IsGrabbed());
  EXPECT_FALSE(unknown.IsGrabbed());
  EXPECT_TRUE(OtherClientCanGrab(0));
  auto event = Press(XCB_KEY_PRESS, m_root, kMod1);
  EXPECT_FALSE(none.Matches(reinterpret_cast<xcb_generic_event_t*>(&event)));
}

TEST(X11KeyboardMappingChangeTest, TellsMappingChangesFromOtherEvents) {
  constexpr std::uint8_t kExtension = 85;
  struct Case {
    std::uint8_t type;
    std::uint8_t detail;  // the mapping request, or the extension's event kind
    std::uint8_t extension;
    bool change;
  };
  const Case cases[] = {
      {XCB_MAPPING_NOTIFY, XCB_MAPPING_KEYBOARD, kExtension, true},
      {XCB_MAPPING_NOTIFY, XCB_MAPPING_MODIFIER, 0, true},
      {XCB_MAPPING_NOTIFY | 0x80, XCB_MAPPING_KEYBOARD, 0, true},
      {XCB_MAPPING_NOTIFY, XCB_MAPPING_POINTER, kExtension, false},
      {kExtension, 0, kExtension, true},   // a new keyboard
      {kExtension, 1, kExtension, true},   // its map changed
      {kExtension, 2, kExtension, false},  // only its state (a modifier went down)
      {kExtension, 1, 0, false},           // no extension: an unrelated event code
      {XCB_KEY_PRESS, 0, kExtension, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.type) << " " << int(c.detail));
    xcb_mapping_notify_event_t event{};
    event.response_type = c.type;
    event.pad0 = c.detail;
    event.request = c.detail;
    EXPECT_EQ(
        IsX11KeyboardMappingChange(reinterpret_cast<xcb_generic_event_t*>(&event), c.extension),
        c.change);
  }
  EXPECT_FALSE(IsX11KeyboardMappingChange(nullptr, kExtension));
}

TEST(X11HotKeyGrabWithoutServer, ANullConnectionGrabsNothing) {
  X11HotKeyGrab grab(nullptr, kSpace, kModAlt);
  EXPECT_FALSE(grab.IsGrabbed());
}

}  // namespace
