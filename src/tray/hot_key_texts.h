#pragma once

#include <string>
#include <string_view>

#include "tray/hot_key_keeper.h"

// The texts that name the hot-key of the settings (a Windows virtual-key code and MOD_
// flags; virtual key 0 is no hot-key), so that what the user reads is the key that is
// configured.

// The key as the menus write shortcuts: "Alt + Space", "Ctrl + Shift + F12". A key
// without a name of its own is written as its code.
std::string HotKeyName(int virtualKey, int modFlags);

// A menu entry's text with the hot-key as its shortcut column (after the tab), or with
// no shortcut column when there is no hot-key.
std::string WithHotKeyShortcut(std::string_view entryText, int virtualKey, int modFlags);
// The same with the key's name as given (empty: no hot-key), for a name the desktop chose.
std::string WithHotKeyShortcutName(std::string_view entryText, std::string_view keyName);

// The click on the tray icon that shows the window, which depends on the tray in use.
enum class TrayClick { Single, Double };

// The first-start greeting: how to show the window and how to end VOSTEK.
std::string GreetingText(int virtualKey, int modFlags, TrayClick click);

// The report of a hot-key that could not be registered: title and text.
std::string HotKeyUnavailableTitle(int virtualKey, int modFlags);
// The text for the answer the desktop gave: another program holds the key, or the
// desktop has no way for programs to own one.
std::string HotKeyUnavailableText(int virtualKey, int modFlags, HotKeyAnswer answer,
                                  TrayClick click);

// The hot-key dialog's name of a combination: "なし" for none.
std::string CombinationName(const HotKeyCombination& combination);
// What the hot-key dialog says about a combination tried: still asking the desktop
// (`answered` false), usable (with the desktop's name of it where that differs),
// refused, or impossible on this desktop.
std::string HotKeyVerdictText(const HotKeyCombination& tried, bool answered, HotKeyAnswer answer,
                              std::string_view desktopName);
