#include "platform/linux/x11_key_mapping.h"

#include <gtest/gtest.h>

#define XK_MISCELLANY
#define XK_LATIN1
#include <X11/keysym.h>

namespace {

constexpr std::uint16_t kShift = 1 << 0;
constexpr std::uint16_t kLock = 1 << 1;
constexpr std::uint16_t kControl = 1 << 2;
constexpr std::uint16_t kMod1 = 1 << 3;
constexpr std::uint16_t kMod2 = 1 << 4;
constexpr std::uint16_t kMod3 = 1 << 5;
constexpr std::uint16_t kMod4 = 1 << 6;
constexpr std::uint16_t kMod5 = 1 << 7;

// The modifier map of a stock X server with a US layout.
std::array<std::vector<X11Keysym>, 8> StockModifierMap() {
  return {{{XK_Shift_L, XK_Shift_R},
           {XK_Caps_Lock},
           {XK_Control_L, XK_Control_R},
           {XK_Alt_L, XK_Meta_L},
           {XK_Num_Lock},
           {},
           {XK_Super_L, XK_Super_R, XK_Hyper_L},
           {XK_ISO_Level3_Shift}}};
}

TEST(X11KeyMapping, VirtualKeysOfEveryRangeMapToTheirKeysyms) {
  EXPECT_EQ(VirtualKeyToKeysym(0x20), static_cast<X11Keysym>(XK_space));
  EXPECT_EQ(VirtualKeyToKeysym('A'), static_cast<X11Keysym>(XK_a));
  EXPECT_EQ(VirtualKeyToKeysym('Z'), static_cast<X11Keysym>(XK_z));
  EXPECT_EQ(VirtualKeyToKeysym('0'), static_cast<X11Keysym>(XK_0));
  EXPECT_EQ(VirtualKeyToKeysym('9'), static_cast<X11Keysym>(XK_9));
  EXPECT_EQ(VirtualKeyToKeysym(0x60), static_cast<X11Keysym>(XK_KP_0));
  EXPECT_EQ(VirtualKeyToKeysym(0x69), static_cast<X11Keysym>(XK_KP_9));
  EXPECT_EQ(VirtualKeyToKeysym(0x70), static_cast<X11Keysym>(XK_F1));
  EXPECT_EQ(VirtualKeyToKeysym(0x87), static_cast<X11Keysym>(XK_F24));
  EXPECT_EQ(VirtualKeyToKeysym(0x0D), static_cast<X11Keysym>(XK_Return));
  EXPECT_EQ(VirtualKeyToKeysym(0x25), static_cast<X11Keysym>(XK_Left));
  EXPECT_EQ(VirtualKeyToKeysym(0x2E), static_cast<X11Keysym>(XK_Delete));
  EXPECT_EQ(VirtualKeyToKeysym(0x1C), static_cast<X11Keysym>(XK_Henkan));
  EXPECT_EQ(VirtualKeyToKeysym(0xC0), static_cast<X11Keysym>(XK_grave));
}

TEST(X11KeyMapping, KeysWithoutAnX11CounterpartMapToNothing) {
  EXPECT_EQ(VirtualKeyToKeysym(0), 0u);
  EXPECT_EQ(VirtualKeyToKeysym(-1), 0u);
  EXPECT_EQ(VirtualKeyToKeysym(0x01), 0u);  // a mouse button
  EXPECT_EQ(VirtualKeyToKeysym(0x3A), 0u);  // between '9' and 'A'
  EXPECT_EQ(VirtualKeyToKeysym(0x88), 0u);  // after F24
  EXPECT_EQ(VirtualKeyToKeysym(0x120), 0u);
}

TEST(X11KeyMapping, ModifierBitsComeFromTheServersMap) {
  const X11ModifierBits bits = ModifierBitsFromMap(StockModifierMap());
  EXPECT_EQ(bits.alt, kMod1);
  EXPECT_EQ(bits.numLock, kMod2);
  EXPECT_EQ(bits.super, kMod4);
  EXPECT_EQ(bits.scrollLock, 0);

  // A layout that moves Alt to Mod3 and binds ScrollLock to Mod5.
  auto moved = StockModifierMap();
  moved[3] = {};
  moved[5] = {XK_Alt_R};
  moved[7] = {XK_Scroll_Lock};
  const X11ModifierBits movedBits = ModifierBitsFromMap(moved);
  EXPECT_EQ(movedBits.alt, kMod3);
  EXPECT_EQ(movedBits.scrollLock, kMod5);
}

TEST(X11KeyMapping, AnEmptyMapFallsBackToTheUsualAltAndSuperBits) {
  const X11ModifierBits bits = ModifierBitsFromMap({});
  EXPECT_EQ(bits.alt, kMod1);
  EXPECT_EQ(bits.super, kMod4);
  EXPECT_EQ(bits.numLock, 0);
}

TEST(X11KeyMapping, ModFlagsBecomeTheServersMask) {
  X11ModifierBits bits;
  bits.alt = kMod3;
  bits.super = kMod4;
  EXPECT_EQ(ModifierMaskFromFlags(1, bits), kMod3);
  EXPECT_EQ(ModifierMaskFromFlags(2, bits), kControl);
  EXPECT_EQ(ModifierMaskFromFlags(4, bits), kShift);
  EXPECT_EQ(ModifierMaskFromFlags(8, bits), kMod4);
  EXPECT_EQ(ModifierMaskFromFlags(1 | 2 | 4 | 8, bits), kMod3 | kControl | kShift | kMod4);
  EXPECT_EQ(ModifierMaskFromFlags(0, bits), 0);
  // MOD_NOREPEAT (0x4000) and unknown bits carry no modifier.
  EXPECT_EQ(ModifierMaskFromFlags(0x4000 | 0x10 | 1, bits), kMod3);
}

TEST(X11KeyMapping, EveryLockCombinationIsGrabbedOnce) {
  const auto all = LockCombinations(kLock | kMod2 | kMod5);
  EXPECT_EQ(all, (std::vector<std::uint16_t>{0, kLock, kMod2, kLock | kMod2, kMod5, kLock | kMod5,
                                             kMod2 | kMod5, kLock | kMod2 | kMod5}));
  EXPECT_EQ(LockCombinations(0), std::vector<std::uint16_t>{0});
}

TEST(X11KeyMapping, LocksLeaveOutBitsThatThePlainHotKeyUses) {
  X11ModifierBits bits;
  bits.numLock = kMod2;
  EXPECT_EQ(LockModifierMask(bits, kMod1), kLock | kMod2);
  // No ScrollLock on this server: nothing to combine for it.
  EXPECT_EQ(LockCombinations(LockModifierMask(bits, kMod1)).size(), 4u);
  // A layout that puts NumLock on the hot-key's own bit cannot ignore that bit.
  EXPECT_EQ(LockModifierMask(bits, kMod2), kLock);
}

TEST(X11KeyMapping, HotKeyPressMatchesWhateverLocksAreOn) {
  const X11HotKeyBinding altSpace{{65}, kMod1, kLock | kMod2};
  EXPECT_TRUE(IsHotKeyPress(altSpace, 65, kMod1));
  EXPECT_TRUE(IsHotKeyPress(altSpace, 65, kMod1 | kLock | kMod2));
  EXPECT_TRUE(IsHotKeyPress(altSpace, 65, kMod1 | 0x100));  // Button1 held
  EXPECT_FALSE(IsHotKeyPress(altSpace, 65, 0));
  EXPECT_FALSE(IsHotKeyPress(altSpace, 65, kMod1 | kShift));
  EXPECT_FALSE(IsHotKeyPress(altSpace, 65, kMod1 | kControl));
  EXPECT_FALSE(IsHotKeyPress(altSpace, 66, kMod1));
  EXPECT_FALSE(IsHotKeyPress(X11HotKeyBinding{}, 65, 0));
}

}  // namespace
