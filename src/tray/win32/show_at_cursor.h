#pragma once

#include <windows.h>

#include <functional>

#include "tray/window_placement.h"

// The system's geometry as the placement reads it.
inline ScreenRect ToScreenRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The primary display's work area.
ScreenRect PrimaryWorkArea();

// Shows the hidden window at the cursor (PlaceAtCursor on the primary display's work
// area), at the top of the Z order, then brings it to the foreground. `beforeShowing`
// runs first, only when the window was hidden.
void ShowAtCursor(HWND window, const std::function<void()>& beforeShowing);
