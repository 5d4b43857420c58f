#pragma once

#include <windows.h>

#include <functional>

// Shows the program's messages in the system's message box, captioned "VOSTEK", over
// the window `owner` gives at that moment (none while it is hidden).
void InstallWin32MessageBox(std::function<HWND()> owner);
