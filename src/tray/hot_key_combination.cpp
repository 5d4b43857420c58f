#include "tray/hot_key_combination.h"

#include "resources/virtual_keys.h"

namespace {

constexpr int kModifierFlags = vk::kModAlt | vk::kModControl | vk::kModShift | vk::kModWin;

bool IsModifierKey(int virtualKey) {
  switch (virtualKey) {
    case vk::kShift:
    case vk::kControl:
    case vk::kMenu:
    case vk::kLeftWin:
    case vk::kRightWin:
      return true;
    default:
      // The left and right forms of Shift, Ctrl and Alt.
      return virtualKey >= vk::kLeftShift && virtualKey <= vk::kRightMenu;
  }
}

}  // namespace

HotKeyCombination CombinationOfSettings(int hotkey, int hotkeyMask) {
  const int key = hotkey & 0xFF;
  return key == 0 ? HotKeyCombination{} : HotKeyCombination{key, hotkeyMask & kModifierFlags};
}

std::optional<HotKeyCombination> CombinationOfKeyPress(int virtualKey, int modFlags) {
  const int key = virtualKey & 0xFF;
  if (key == 0 || IsModifierKey(key)) {
    return std::nullopt;
  }
  return HotKeyCombination{key, modFlags & kModifierFlags};
}
