#pragma once

#include <windows.h>

#include "app/globals.h"

// The global hot-key from the settings: virtual key `hotkey` with the MOD_ flags of
// `hotkeyMask`. Its id is the mask's low byte shifted left by 8 over the key's low byte
// (0x0120 for Alt+Space), the same at registration and removal.
int HotKeyId(const Settings& settings);
// Registers it when `hotkey` is not 0; a combination another program holds is not
// reported: the tray icon still shows the window.
void RegisterGlobalHotKey(HWND window, const Settings& settings);
void UnregisterGlobalHotKey(HWND window, const Settings& settings);
