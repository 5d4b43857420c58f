#pragma once

// Windows virtual-key codes: the accelerator table and the hot-key setting in
// setting.ini name keys by them, so both builds read the same numbers.
namespace vk {

inline constexpr int kBack = 0x08;
inline constexpr int kTab = 0x09;
inline constexpr int kReturn = 0x0D;
inline constexpr int kShift = 0x10;
inline constexpr int kControl = 0x11;
inline constexpr int kMenu = 0x12;  // Alt
inline constexpr int kPause = 0x13;
inline constexpr int kCapital = 0x14;
inline constexpr int kKana = 0x15;
inline constexpr int kKanji = 0x19;
inline constexpr int kEscape = 0x1B;
inline constexpr int kConvert = 0x1C;
inline constexpr int kNonConvert = 0x1D;
inline constexpr int kSpace = 0x20;
inline constexpr int kPrior = 0x21;
inline constexpr int kNext = 0x22;
inline constexpr int kEnd = 0x23;
inline constexpr int kHome = 0x24;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kSnapshot = 0x2C;
inline constexpr int kInsert = 0x2D;
inline constexpr int kDelete = 0x2E;
inline constexpr int k0 = 0x30;  // '0'..'9' are 0x30..0x39
inline constexpr int kA = 0x41;  // 'A'..'Z' are 0x41..0x5A
inline constexpr int kLeftWin = 0x5B;
inline constexpr int kRightWin = 0x5C;
inline constexpr int kApps = 0x5D;
inline constexpr int kNumpad0 = 0x60;  // ..0x69
inline constexpr int kMultiply = 0x6A;
inline constexpr int kAdd = 0x6B;
inline constexpr int kSeparator = 0x6C;
inline constexpr int kSubtract = 0x6D;
inline constexpr int kDecimal = 0x6E;
inline constexpr int kDivide = 0x6F;
inline constexpr int kF1 = 0x70;  // ..F24 0x87
inline constexpr int kNumLock = 0x90;
inline constexpr int kScroll = 0x91;
inline constexpr int kLeftShift = 0xA0;  // then right Shift, left and right Ctrl, Alt
inline constexpr int kRightMenu = 0xA5;
inline constexpr int kOem1 = 0xBA;  // ;:
inline constexpr int kOemPlus = 0xBB;
inline constexpr int kOemComma = 0xBC;
inline constexpr int kOemMinus = 0xBD;
inline constexpr int kOemPeriod = 0xBE;
inline constexpr int kOem2 = 0xBF;  // /?
inline constexpr int kOem3 = 0xC0;  // `~
inline constexpr int kOem4 = 0xDB;  // [{
inline constexpr int kOem5 = 0xDC;  // \|
inline constexpr int kOem6 = 0xDD;  // ]}
inline constexpr int kOem7 = 0xDE;  // '"

// Modifier flags of the hot-key setting (RegisterHotKey's MOD_ values).
inline constexpr int kModAlt = 0x1;
inline constexpr int kModControl = 0x2;
inline constexpr int kModShift = 0x4;
inline constexpr int kModWin = 0x8;

}  // namespace vk
