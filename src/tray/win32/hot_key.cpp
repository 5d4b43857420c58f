#include "tray/win32/hot_key.h"

int HotKeyId(const Settings& settings) {
  return ((settings.hotkeyMask & 0xFF) << 8) | (settings.hotkey & 0xFF);
}

void RegisterGlobalHotKey(HWND window, const Settings& settings) {
  if (settings.hotkey != 0) {
    ::RegisterHotKey(window, HotKeyId(settings), static_cast<UINT>(settings.hotkeyMask),
                     static_cast<UINT>(settings.hotkey));
  }
}

void UnregisterGlobalHotKey(HWND window, const Settings& settings) {
  ::UnregisterHotKey(window, HotKeyId(settings));
}
