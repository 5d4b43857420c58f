#include "tray/win32/show_at_cursor.h"

void ShowAtCursor(HWND window, const std::function<void()>& beforeShowing) {
  if (!::IsWindowVisible(window)) {
    beforeShowing();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    RECT frame{};
    ::GetWindowRect(window, &frame);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int w = frame.right - frame.left;
    const int h = frame.bottom - frame.top;
    int x = cursor.x - w / 2;
    int y = cursor.y - h / 2;
    if (x < 0) {
      x = 0;
    } else if (x + w > work.right) {
      x = work.right - w;
    }
    if (y < 0) {
      y = 0;
    } else if (y + h > work.bottom) {
      y = work.bottom - h;
    }
    ::SetWindowPos(window, HWND_TOP, x, y, w, h, SWP_SHOWWINDOW);
    ::UpdateWindow(window);
  }
  ::SetForegroundWindow(window);
}
