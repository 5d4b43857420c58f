// The hot-key of the Windows front end: a key another program holds is reported in the
// tray's balloon, whose click leads to the hot-key dialog; a key had is named in the
// first start's greeting, and its press shows the window at the cursor.

#include "frame/win32/frame_fixture.h"
#include "resources/command_ids.h"
#include "resources/texts.h"
#include "tray/hot_key_texts.h"
#include "tray/win32/show_at_cursor.h"

namespace {

constexpr int kKey = 'K';
constexpr int kMods = MOD_CONTROL | MOD_ALT;

class HotKeyTest : public Win32FrameTest {
 protected:
  void SetUp() override {
    Win32FrameTest::SetUp();
    holder = ::CreateWindowExW(0, L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                               nullptr);
  }
  void TearDown() override {
    Win32FrameTest::TearDown();
    ::DestroyWindow(holder);
  }

  // The command the frame was last posted, or 0.
  int PostedCommand() {
    MSG message{};
    int id = 0;
    while (::PeekMessageW(&message, frame->Handle(), WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
      id = LOWORD(message.wParam);
    }
    return id;
  }

  HWND holder = nullptr;  // another program's window
};

TEST_F(HotKeyTest, AKeyHeldElsewhereIsReportedAndAKeyHadIsNamedAndShowsTheWindow) {
  struct Case {
    const char* what;
    bool heldElsewhere;
    int helpStart;
    std::string title;  // of the balloon last shown; empty: none
    std::string text;
    int balloonClickCommand;
  };
  const Case cases[] = {
      {"first start, the key had: the greeting names it", false, 0, texts::kBalloonTitle,
       GreetingText(kKey, kMods, TrayClick::Double), 0},
      {"a later start, the key had: no balloon", false, 1, "", "", 0},
      {"first start, the key held elsewhere: the report follows the greeting", true, 0,
       HotKeyUnavailableTitle(kKey, kMods),
       HotKeyUnavailableText(kKey, kMods, HotKeyAnswer::Taken, TrayClick::Double),
       ID_HOTKEY_SETTINGS},
      {"a later start, the key held elsewhere: still reported", true, 1,
       HotKeyUnavailableTitle(kKey, kMods),
       HotKeyUnavailableText(kKey, kMods, HotKeyAnswer::Taken, TrayClick::Double),
       ID_HOTKEY_SETTINGS},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    g_settings.hotkey = kKey;
    g_settings.hotkeyMask = kMods;
    g_settings.help_start = c.helpStart;
    if (c.heldElsewhere) {
      ASSERT_TRUE(::RegisterHotKey(holder, 1, kMods, kKey));
    }
    ASSERT_NO_FATAL_FAILURE(MakeFrame());
    const NOTIFYICONDATAW& record = frame->View()->Tray().Record();
    const bool balloon = (record.uFlags & NIF_INFO) != 0;
    EXPECT_EQ(balloon ? Utf8FromWide(record.szInfoTitle) : "", c.title);
    EXPECT_EQ(balloon ? Utf8FromWide(record.szInfo) : "", c.text);
    EXPECT_EQ(g_settings.help_start, 1);

    ::SendMessageW(List(), WM_TRAYNOTIFY, 1, NIN_BALLOONUSERCLICK);
    EXPECT_EQ(PostedCommand(), c.balloonClickCommand);

    if (!c.heldElsewhere) {
      ::SetCursorPos(10000, 10000);  // beyond the work area's far corner
      ::SendMessageW(List(), WM_HOTKEY, kMods << 8 | kKey, 0);
      EXPECT_NE(::IsWindowVisible(frame->Handle()), FALSE);
      POINT cursor{};
      ::GetCursorPos(&cursor);
      RECT placed{};
      ::GetWindowRect(frame->Handle(), &placed);
      const ScreenRect outer = ToScreenRect(placed);
      const ScreenPoint expected =
          PlaceAtCursor({cursor.x, cursor.y}, {outer.width, outer.height}, PrimaryWorkArea());
      EXPECT_EQ(outer.x, expected.x);
      EXPECT_EQ(outer.y, expected.y);
    }
    frame.reset();
    ::UnregisterHotKey(holder, 1);
  }
}

}  // namespace
