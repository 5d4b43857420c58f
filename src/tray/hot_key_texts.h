#pragma once

#include <string>
#include <string_view>

// The texts that name the hot-key of the settings (a Windows virtual-key code and MOD_
// flags; virtual key 0 is no hot-key), so that what the user reads is the key that is
// configured.

// The key as the menus write shortcuts: "Alt + Space", "Ctrl + Shift + F12". A key
// without a name of its own is written as its code.
std::string HotKeyName(int virtualKey, int modFlags);

// A menu entry's text with the hot-key as its shortcut column (after the tab), or with
// no shortcut column when there is no hot-key.
std::string WithHotKeyShortcut(std::string_view entryText, int virtualKey, int modFlags);

// The click on the tray icon that shows the window, which depends on the tray in use.
enum class TrayClick { Single, Double };

// The first-start greeting: how to show the window and how to end VOSTEK.
std::string GreetingText(int virtualKey, int modFlags, TrayClick click);

// The report of a hot-key that could not be registered: title and text.
std::string HotKeyUnavailableTitle(int virtualKey, int modFlags);
std::string HotKeyUnavailableText(int virtualKey, int modFlags, TrayClick click);
