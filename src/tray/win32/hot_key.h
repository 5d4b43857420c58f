#pragma once

#include <windows.h>

#include "tray/hot_key_keeper.h"

// The hot-key as RegisterHotKey on the view's window. Its id is the mask's low byte
// shifted left by 8 over the key's low byte (0x0120 for Alt+Space), the same at
// registration and removal. A refusal (another program holds the combination) is the
// answer Taken. The key is given up with the object.
class RegisteredHotKeyWay : public HotKeyWay {
 public:
  explicit RegisteredHotKeyWay(HWND window) : m_window(window) {}
  ~RegisteredHotKeyWay() override;
  RegisteredHotKeyWay(const RegisteredHotKeyWay&) = delete;
  RegisteredHotKeyWay& operator=(const RegisteredHotKeyWay&) = delete;

  void Take(const HotKeyCombination& combination) override;
  // WM_HOTKEY on the window.
  void OnHotKey();

 private:
  HWND m_window;
  HotKeyCombination m_registered;
};

int HotKeyId(const HotKeyCombination& combination);

// The modifiers held now, as MOD_ flags.
int HeldModFlags();
