#pragma once

#include <windows.h>

#include <functional>

// Shows the hidden window centred on the cursor, kept inside the primary display's work
// area at its right and bottom edges (the lower bound is the screen origin, 0), at the
// top of the Z order, then brings it to the foreground. `beforeShowing` runs first,
// only when the window was hidden.
void ShowAtCursor(HWND window, const std::function<void()>& beforeShowing);
