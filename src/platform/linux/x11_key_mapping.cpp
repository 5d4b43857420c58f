#include "platform/linux/x11_key_mapping.h"

#define XK_MISCELLANY
#define XK_LATIN1
#include <X11/keysym.h>

#include <algorithm>

#include "resources/virtual_keys.h"

namespace {

constexpr std::uint16_t kShiftBit = 1 << 0;
constexpr std::uint16_t kLockBit = 1 << 1;
constexpr std::uint16_t kControlBit = 1 << 2;
constexpr std::uint16_t kMod1Bit = 1 << 3;
constexpr std::uint16_t kMod4Bit = 1 << 6;
constexpr int kFirstModN = 3;  // Mod1 is bit 3; Shift, Lock and Control come before

struct KeyPair {
  int virtualKey;
  X11Keysym keysym;
};

// Keys outside the contiguous ranges handled in VirtualKeyToKeysym.
constexpr KeyPair kSingleKeys[] = {
    {vk::kBack, XK_BackSpace},
    {vk::kTab, XK_Tab},
    {vk::kReturn, XK_Return},
    {vk::kPause, XK_Pause},
    {vk::kCapital, XK_Caps_Lock},
    {vk::kKana, XK_Hiragana_Katakana},
    {vk::kKanji, XK_Kanji},
    {vk::kEscape, XK_Escape},
    {vk::kConvert, XK_Henkan},
    {vk::kNonConvert, XK_Muhenkan},
    {vk::kSpace, XK_space},
    {vk::kPrior, XK_Prior},
    {vk::kNext, XK_Next},
    {vk::kEnd, XK_End},
    {vk::kHome, XK_Home},
    {vk::kLeft, XK_Left},
    {vk::kUp, XK_Up},
    {vk::kRight, XK_Right},
    {vk::kDown, XK_Down},
    {vk::kSnapshot, XK_Print},
    {vk::kInsert, XK_Insert},
    {vk::kDelete, XK_Delete},
    {vk::kLeftWin, XK_Super_L},
    {vk::kRightWin, XK_Super_R},
    {vk::kApps, XK_Menu},
    {vk::kMultiply, XK_KP_Multiply},
    {vk::kAdd, XK_KP_Add},
    {vk::kSeparator, XK_KP_Separator},
    {vk::kSubtract, XK_KP_Subtract},
    {vk::kDecimal, XK_KP_Decimal},
    {vk::kDivide, XK_KP_Divide},
    {vk::kNumLock, XK_Num_Lock},
    {vk::kScroll, XK_Scroll_Lock},
    {vk::kOem1, XK_semicolon},
    {vk::kOemPlus, XK_equal},
    {vk::kOemComma, XK_comma},
    {vk::kOemMinus, XK_minus},
    {vk::kOemPeriod, XK_period},
    {vk::kOem2, XK_slash},
    {vk::kOem3, XK_grave},
    {vk::kOem4, XK_bracketleft},
    {vk::kOem5, XK_backslash},
    {vk::kOem6, XK_bracketright},
    {vk::kOem7, XK_apostrophe},
};

bool Contains(const std::vector<X11Keysym>& keysyms, X11Keysym a, X11Keysym b) {
  return std::find(keysyms.begin(), keysyms.end(), a) != keysyms.end() ||
         std::find(keysyms.begin(), keysyms.end(), b) != keysyms.end();
}

}  // namespace

X11Keysym VirtualKeyToKeysym(int virtualKey) {
  if (virtualKey >= vk::kA && virtualKey <= 'Z') {
    // Lower-case keysyms are what the keyboard map lists first for letter keys.
    return XK_a + static_cast<X11Keysym>(virtualKey - vk::kA);
  }
  if (virtualKey >= vk::k0 && virtualKey <= '9') {
    return XK_0 + static_cast<X11Keysym>(virtualKey - vk::k0);
  }
  if (virtualKey >= vk::kNumpad0 && virtualKey <= vk::kNumpad0 + 9) {
    return XK_KP_0 + static_cast<X11Keysym>(virtualKey - vk::kNumpad0);
  }
  if (virtualKey >= vk::kF1 && virtualKey <= vk::kF1 + 23) {
    return XK_F1 + static_cast<X11Keysym>(virtualKey - vk::kF1);
  }
  for (const KeyPair& pair : kSingleKeys) {
    if (pair.virtualKey == virtualKey) {
      return pair.keysym;
    }
  }
  return 0;
}

int KeysymToVirtualKey(X11Keysym keysym) {
  constexpr int kVirtualKeys = 0x100;
  for (int virtualKey = 1; virtualKey < kVirtualKeys; ++virtualKey) {
    if (VirtualKeyToKeysym(virtualKey) == keysym) {
      return virtualKey;
    }
  }
  return 0;
}

X11ModifierBits ModifierBitsFromMap(
    const std::array<std::vector<X11Keysym>, 8>& keysymsPerModifier) {
  X11ModifierBits bits;
  for (int index = kFirstModN; index < 8; ++index) {
    const auto& keysyms = keysymsPerModifier[static_cast<std::size_t>(index)];
    const auto bit = static_cast<std::uint16_t>(1 << index);
    if (bits.alt == 0 && Contains(keysyms, XK_Alt_L, XK_Alt_R)) {
      bits.alt = bit;
    }
    if (bits.super == 0 && Contains(keysyms, XK_Super_L, XK_Super_R)) {
      bits.super = bit;
    }
    if (bits.numLock == 0 && Contains(keysyms, XK_Num_Lock, XK_Num_Lock)) {
      bits.numLock = bit;
    }
    if (bits.scrollLock == 0 && Contains(keysyms, XK_Scroll_Lock, XK_Scroll_Lock)) {
      bits.scrollLock = bit;
    }
  }
  if (bits.alt == 0) {
    bits.alt = kMod1Bit;
  }
  if (bits.super == 0) {
    bits.super = kMod4Bit;
  }
  return bits;
}

std::uint16_t ModifierMaskFromFlags(int modFlags, const X11ModifierBits& bits) {
  std::uint16_t mask = 0;
  if ((modFlags & vk::kModAlt) != 0) {
    mask |= bits.alt;
  }
  if ((modFlags & vk::kModControl) != 0) {
    mask |= kControlBit;
  }
  if ((modFlags & vk::kModShift) != 0) {
    mask |= kShiftBit;
  }
  if ((modFlags & vk::kModWin) != 0) {
    mask |= bits.super;
  }
  return mask;
}

std::uint16_t LockModifierMask(const X11ModifierBits& bits, std::uint16_t hotKeyMask) {
  const auto locks = static_cast<std::uint16_t>(kLockBit | bits.numLock | bits.scrollLock);
  return static_cast<std::uint16_t>(locks & ~hotKeyMask);
}

std::vector<std::uint16_t> LockCombinations(std::uint16_t locks) {
  // Walks the subsets of `locks` in increasing order: each subset once, 0 first.
  std::vector<std::uint16_t> combinations{0};
  for (std::uint16_t subset = locks; subset != 0; subset = (subset - 1) & locks) {
    combinations.push_back(subset);
  }
  std::sort(combinations.begin(), combinations.end());
  return combinations;
}

bool IsHotKeyPress(const X11HotKeyBinding& binding, std::uint8_t keycode, std::uint16_t state) {
  constexpr std::uint16_t kModifierBits = 0xFF;
  const auto modifiers = static_cast<std::uint16_t>(state & kModifierBits & ~binding.locks);
  return modifiers == binding.mask && std::find(binding.keycodes.begin(), binding.keycodes.end(),
                                                keycode) != binding.keycodes.end();
}
