#pragma once

#include <memory>
#include <string>

#include "tray/hot_key_keeper.h"

// The hot-key as a shortcut of the desktop's global-shortcuts portal
// (org.freedesktop.portal.GlobalShortcuts on the session bus): one session, one shortcut
// "show", bound with the combination as its preferred trigger. The desktop may ask the
// user, keep a trigger the user chose earlier or rebind it later; its trigger
// description is passed on as the key's name. Without a session bus or without the
// portal, every ask is answered NotHere. Replies arrive through the thread's GLib main
// context, which the toolkit's event loop runs.
std::unique_ptr<HotKeyWay> MakePortalShortcutWay(std::string description);

// The trigger in the form of the desktop's shortcut strings ("CTRL+ALT+space"); empty
// for none or a key without a name there.
std::string PortalTrigger(const HotKeyCombination& combination);
