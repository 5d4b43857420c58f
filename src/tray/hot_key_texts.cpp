#include "tray/hot_key_texts.h"

#include <cstdio>
#include <string_view>

#include "resources/texts.h"
#include "resources/virtual_keys.h"
#include "store/fill_text.h"

namespace {

struct KeyName {
  int virtualKey;
  std::string_view name;
};

// Keys outside the contiguous ranges handled in KeyNameOf.
constexpr KeyName kKeyNames[] = {
    {vk::kBack, "BackSpace"},
    {vk::kTab, "Tab"},
    {vk::kReturn, "Enter"},
    {vk::kPause, "Pause"},
    {vk::kCapital, "CapsLock"},
    {vk::kKana, "カナ"},
    {vk::kKanji, "漢字"},
    {vk::kEscape, "Esc"},
    {vk::kConvert, "変換"},
    {vk::kNonConvert, "無変換"},
    {vk::kSpace, "Space"},
    {vk::kPrior, "PageUp"},
    {vk::kNext, "PageDown"},
    {vk::kEnd, "End"},
    {vk::kHome, "Home"},
    {vk::kLeft, "←"},
    {vk::kUp, "↑"},
    {vk::kRight, "→"},
    {vk::kDown, "↓"},
    {vk::kSnapshot, "PrintScreen"},
    {vk::kInsert, "Ins"},
    {vk::kDelete, "Del"},
    {vk::kLeftWin, "Win"},
    {vk::kRightWin, "Win"},
    {vk::kApps, "Apps"},
    {vk::kMultiply, "Num *"},
    {vk::kAdd, "Num +"},
    {vk::kSeparator, "Num ,"},
    {vk::kSubtract, "Num -"},
    {vk::kDecimal, "Num ."},
    {vk::kDivide, "Num /"},
    {vk::kNumLock, "NumLock"},
    {vk::kScroll, "ScrollLock"},
    {vk::kOem1, ";"},
    {vk::kOemPlus, "="},
    {vk::kOemComma, ","},
    {vk::kOemMinus, "-"},
    {vk::kOemPeriod, "."},
    {vk::kOem2, "/"},
    {vk::kOem3, "`"},
    {vk::kOem4, "["},
    {vk::kOem5, "\\"},
    {vk::kOem6, "]"},
    {vk::kOem7, "'"},
};

// Modifiers in the order the menus write them.
constexpr KeyName kModifierNames[] = {
    {vk::kModControl, "Ctrl"},
    {vk::kModAlt, "Alt"},
    {vk::kModShift, "Shift"},
    {vk::kModWin, "Win"},
};

std::string KeyNameOf(int virtualKey) {
  if ((virtualKey >= vk::kA && virtualKey <= 'Z') || (virtualKey >= vk::k0 && virtualKey <= '9')) {
    return std::string(1, static_cast<char>(virtualKey));
  }
  if (virtualKey >= vk::kNumpad0 && virtualKey <= vk::kNumpad0 + 9) {
    return "Num " + std::to_string(virtualKey - vk::kNumpad0);
  }
  if (virtualKey >= vk::kF1 && virtualKey <= vk::kF1 + 23) {
    return "F" + std::to_string(virtualKey - vk::kF1 + 1);
  }
  for (const KeyName& key : kKeyNames) {
    if (key.virtualKey == virtualKey) {
      return std::string(key.name);
    }
  }
  char code[16];
  std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(virtualKey) & 0xFFU);
  return code;
}

std::string_view ClickName(TrayClick click) {
  return click == TrayClick::Single ? texts::kTrayClickSingle : texts::kTrayClickDouble;
}

}  // namespace

std::string HotKeyName(int virtualKey, int modFlags) {
  std::string name;
  for (const KeyName& modifier : kModifierNames) {
    if ((modFlags & modifier.virtualKey) != 0) {
      name += std::string(modifier.name) + " + ";
    }
  }
  return name + KeyNameOf(virtualKey & 0xFF);
}

std::string WithHotKeyShortcut(std::string_view entryText, int virtualKey, int modFlags) {
  return WithHotKeyShortcutName(entryText,
                                virtualKey == 0 ? std::string() : HotKeyName(virtualKey, modFlags));
}

std::string WithHotKeyShortcutName(std::string_view entryText, std::string_view keyName) {
  const std::string label(entryText.substr(0, entryText.find('\t')));
  return keyName.empty() ? label : label + "\t" + std::string(keyName);
}

std::string GreetingText(int virtualKey, int modFlags, TrayClick click) {
  if (virtualKey == 0) {
    return FillText(texts::kBalloonTextNoKey, ClickName(click), {});
  }
  if (virtualKey == vk::kSpace && modFlags == vk::kModAlt) {
    return texts::kBalloonText;
  }
  return FillText(texts::kBalloonTextOtherKey, HotKeyName(virtualKey, modFlags), {});
}

std::string HotKeyUnavailableTitle(int virtualKey, int modFlags) {
  return FillText(texts::kHotKeyUnavailableTitle, HotKeyName(virtualKey, modFlags), {});
}

std::string HotKeyUnavailableText(int virtualKey, int modFlags, HotKeyAnswer answer,
                                  TrayClick click) {
  return FillText(
      answer == HotKeyAnswer::NotHere ? texts::kHotKeyNotHereText : texts::kHotKeyUnavailableText,
      HotKeyName(virtualKey, modFlags), ClickName(click));
}

std::string CombinationName(const HotKeyCombination& combination) {
  return combination.IsNone() ? texts::kHotKeyNone
                              : HotKeyName(combination.virtualKey, combination.modFlags);
}

std::string HotKeyVerdictText(const HotKeyCombination& tried, bool answered, HotKeyAnswer answer,
                              std::string_view desktopName) {
  const std::string name = CombinationName(tried);
  if (tried.IsNone()) {
    return texts::kHotKeyVerdictNone;
  }
  if (!answered) {
    return FillText(texts::kHotKeyVerdictAsking, name, {});
  }
  switch (answer) {
    case HotKeyAnswer::Held:
      return desktopName.empty() || desktopName == name
                 ? FillText(texts::kHotKeyVerdictHeld, name, {})
                 : FillText(texts::kHotKeyVerdictHeldAs, name, desktopName);
    case HotKeyAnswer::Taken:
      return FillText(texts::kHotKeyVerdictTaken, name, {});
    case HotKeyAnswer::NotHere:
      break;
  }
  return texts::kHotKeyVerdictNotHere;
}
