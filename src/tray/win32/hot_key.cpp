#include "tray/win32/hot_key.h"

#include "resources/virtual_keys.h"

namespace {

bool IsDown(int virtualKey) {
  return (::GetKeyState(virtualKey) & 0x8000) != 0;
}

}  // namespace

int HotKeyId(const HotKeyCombination& combination) {
  return ((combination.modFlags & 0xFF) << 8) | (combination.virtualKey & 0xFF);
}

int HeldModFlags() {
  return (IsDown(VK_MENU) ? vk::kModAlt : 0) | (IsDown(VK_CONTROL) ? vk::kModControl : 0) |
         (IsDown(VK_SHIFT) ? vk::kModShift : 0) |
         (IsDown(VK_LWIN) || IsDown(VK_RWIN) ? vk::kModWin : 0);
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
