#include "tray/win32/hot_key.h"

int HotKeyId(const HotKeyCombination& combination) {
  return ((combination.modFlags & 0xFF) << 8) | (combination.virtualKey & 0xFF);
}

RegisteredHotKeyWay::~RegisteredHotKeyWay() {
  if (!m_registered.IsNone()) {
    ::UnregisterHotKey(m_window, HotKeyId(m_registered));
  }
}

void RegisteredHotKeyWay::Take(const HotKeyCombination& combination) {
  if (!m_registered.IsNone()) {
    ::UnregisterHotKey(m_window, HotKeyId(m_registered));
    m_registered = {};
  }
  if (combination.IsNone()) {
    return;
  }
  const bool registered =
      ::RegisterHotKey(m_window, HotKeyId(combination), static_cast<UINT>(combination.modFlags),
                       static_cast<UINT>(combination.virtualKey)) != FALSE;
  if (registered) {
    m_registered = combination;
  }
  if (answered) {
    answered(registered ? HotKeyAnswer::Held : HotKeyAnswer::Taken, {});
  }
}

void RegisteredHotKeyWay::OnHotKey() {
  if (pressed) {
    pressed();
  }
}
