#pragma once

#include <optional>

// A combination of the hot-key in the numbers of setting.ini: a Windows virtual-key code
// (0: no hot-key) and MOD_ flags (1 Alt, 2 Ctrl, 4 Shift, 8 Super), so that both systems
// read the same file.
struct HotKeyCombination {
  int virtualKey = 0;
  int modFlags = 0;

  bool IsNone() const { return virtualKey == 0; }
  bool operator==(const HotKeyCombination&) const = default;
};

// The combination a setting pair stands for: only the key's low byte and the four
// modifier flags count, and no key means no combination at all.
HotKeyCombination CombinationOfSettings(int hotkey, int hotkeyMask);

// The combination a key press makes with the modifiers held: none while the key pressed
// is itself a modifier (the user is still on the way to the key), the combination
// otherwise. Lock keys and a bare key with no modifier are combinations too.
std::optional<HotKeyCombination> CombinationOfKeyPress(int virtualKey, int modFlags);
