#include "tray/win32/show_at_cursor.h"

ScreenRect PrimaryWorkArea() {
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return ToScreenRect(work);
}

void ShowAtCursor(HWND window, const std::function<void()>& beforeShowing) {
  if (!::IsWindowVisible(window)) {
    beforeShowing();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    RECT frame{};
    ::GetWindowRect(window, &frame);
    const ScreenRect outer = ToScreenRect(frame);
    const ScreenPoint at =
        PlaceAtCursor({cursor.x, cursor.y}, {outer.width, outer.height}, PrimaryWorkArea());
    ::SetWindowPos(window, HWND_TOP, at.x, at.y, outer.width, outer.height, SWP_SHOWWINDOW);
    ::UpdateWindow(window);
  }
  ::SetForegroundWindow(window);
}
