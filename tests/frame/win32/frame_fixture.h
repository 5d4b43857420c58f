#pragma once

// The Windows front end's main window made in the test's own thread, over a collection
// of the test's own, with the keys reaching it as the program's message loop hands them
// on: first the frame's filter (the accelerators), then translation and dispatch.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "frame/win32/main_frame.h"
#include "platform/windows/wide_text.h"
#include "support/fake_desktop_shell.h"
#include "support/test_globals.h"
#include "view/win32/vostek_view.h"

// What is held while a key is pressed.
enum Held : unsigned { kNone = 0, kShift = 1, kControl = 2, kCapsLock = 4 };

class Win32FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_settings.help_start = 1;
    g_settings.hotkey = 0;  // the hot-key's own tests ask for one
  }

  void TearDown() override {
    frame.reset();
    SetHeld(kNone);
  }

  void MakeFrame() {
    frame = std::make_unique<CMainFrame>(
        shell, [](HWND) {}, [this] { ++exits; });
    ASSERT_TRUE(frame->Create());
    Pump();
  }

  HWND List() const { return frame->View()->Handle(); }
  HWND ToolBar() const {
    return ::FindWindowExW(frame->Handle(), nullptr, TOOLBARCLASSNAMEW, nullptr);
  }

  // Runs what the queue holds, through the frame's filter as the program's loop does.
  void Pump() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      Deliver(message);
    }
  }

  void Deliver(MSG& message) {
    if (frame->PreTranslateMessage(message)) {
      return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }

  static void SetHeld(unsigned held) {
    BYTE state[256] = {};
    state[VK_SHIFT] = state[VK_LSHIFT] = (held & kShift) != 0 ? 0x80 : 0;
    state[VK_CONTROL] = state[VK_LCONTROL] = (held & kControl) != 0 ? 0x80 : 0;
    state[VK_CAPITAL] = (held & kCapsLock) != 0 ? 0x01 : 0;  // toggled on
    ::SetKeyboardState(state);
  }

  // A key pressed and released in `window` (the list unless given) with `held` down.
  void Press(int virtualKey, unsigned held = kNone, HWND window = nullptr) {
    SetHeld(held);
    const UINT scanCode = ::MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
    MSG down{};
    down.hwnd = window != nullptr ? window : List();
    down.message = WM_KEYDOWN;
    down.wParam = static_cast<WPARAM>(virtualKey);
    down.lParam = static_cast<LPARAM>(1 | (scanCode << 16));
    Deliver(down);
    Pump();
    MSG up = down;
    up.message = WM_KEYUP;
    up.lParam |= static_cast<LPARAM>(0xC0000000);
    Deliver(up);
    Pump();
    SetHeld(kNone);
  }

  void SelectRow(int row) {
    ListView_SetItemState(List(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (row >= 0) {
      ListView_SetItemState(List(), row, LVIS_SELECTED | LVIS_FOCUSED,
                            LVIS_SELECTED | LVIS_FOCUSED);
    }
  }

  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (int row = 0; row < ListView_GetItemCount(List()); ++row) {
      wchar_t name[256] = {};
      ListView_GetItemText(List(), row, 0, name, 256);
      rows.push_back(Utf8FromWide(name));
    }
    return rows;
  }

  TestGlobals globals;
  FakeDesktopShell shell;  // opens nothing, so a test never starts a program
  std::unique_ptr<CMainFrame> frame;
  int exits = 0;
};
