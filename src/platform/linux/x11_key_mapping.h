#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Translation of the hot-key setting (a Windows virtual-key code and MOD_ flags, so
// that setting.ini reads the same on both systems) into X11 terms. No server needed.

using X11Keysym = std::uint32_t;

// The keysym a virtual key stands for on a US layout; 0 when it has none.
X11Keysym VirtualKeyToKeysym(int virtualKey);
// The virtual key of a keysym (the first level of a key, where letters are lower case);
// 0 when no virtual key stands for it.
int KeysymToVirtualKey(X11Keysym keysym);

// Which of the eight X modifier bits (Shift, Lock, Control, Mod1..Mod5) carry Alt,
// Super, NumLock and ScrollLock on this server. Shift, Lock and Control are fixed.
struct X11ModifierBits {
  std::uint16_t alt = 0;
  std::uint16_t super = 0;
  std::uint16_t numLock = 0;
  std::uint16_t scrollLock = 0;
};

// `keysymsPerModifier[i]` lists the keysyms of the keys bound to modifier bit i. A bit
// that carries no Alt or Super key falls back to the usual Mod1 and Mod4.
X11ModifierBits ModifierBitsFromMap(
    const std::array<std::vector<X11Keysym>, 8>& keysymsPerModifier);

// The X modifier mask of MOD_ flags (1 Alt, 2 Ctrl, 4 Shift, 8 Super); other bits are
// ignored.
std::uint16_t ModifierMaskFromFlags(int modFlags, const X11ModifierBits& bits);

// The lock modifiers (CapsLock, NumLock, ScrollLock) that the hot-key must work under,
// as one mask; a lock bit that is part of the hot-key's own mask is left out.
std::uint16_t LockModifierMask(const X11ModifierBits& bits, std::uint16_t hotKeyMask);

// Every combination of the bits of `locks`, the empty one first and without repeats:
// a key grab matches only its exact modifier state, so each is grabbed on its own.
std::vector<std::uint16_t> LockCombinations(std::uint16_t locks);

// A grabbed hot-key: the key codes of its keysym, its modifier mask and the lock bits
// to ignore when a key press is matched.
struct X11HotKeyBinding {
  std::vector<std::uint8_t> keycodes;
  std::uint16_t mask = 0;
  std::uint16_t locks = 0;
};

// True when a key press (its key code and the event's modifier state) is the hot-key,
// whichever of the lock modifiers are on. Mouse-button bits of the state do not count.
bool IsHotKeyPress(const X11HotKeyBinding& binding, std::uint8_t keycode, std::uint16_t state);
