// The settings keep the size the user gives the frame by a drag, and no other: not the
// one the program sets when it places the frame, nor a maximised one.

#include "frame/win32/frame_fixture.h"

namespace {

using FrameSizeTest = Win32FrameTest;

TEST_F(FrameSizeTest, OnlyASizeDraggedByTheUserIsKept) {
  g_settings.width = 400;
  g_settings.height = 300;
  ASSERT_NO_FATAL_FAILURE(MakeFrame());
  const HWND window = frame->Handle();
  const auto resize = [window](int width, int height) {
    ::SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
  };
  struct Case {
    const char* what;
    bool dragged;
    int width, height;
    int keptWidth, keptHeight;
  };
  const Case cases[] = {
      {"set by the program", false, 500, 350, 400, 300},
      {"dragged by the user", true, 520, 360, 520, 360},
      {"set by the program after a drag", false, 450, 330, 520, 360},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.dragged) {
      ::SendMessageW(window, WM_ENTERSIZEMOVE, 0, 0);
    }
    resize(c.width, c.height);
    if (c.dragged) {
      ::SendMessageW(window, WM_EXITSIZEMOVE, 0, 0);
    }
    Pump();
    EXPECT_EQ(g_settings.width, c.keptWidth);
    EXPECT_EQ(g_settings.height, c.keptHeight);
  }
  ::ShowWindow(window, SW_MAXIMIZE);
  Pump();
  EXPECT_EQ(g_settings.width, 520);
  EXPECT_EQ(g_settings.height, 360);
}

}  // namespace
