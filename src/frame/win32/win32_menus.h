#pragma once

#include <windows.h>

#include <functional>
#include <span>

#include "resources/menus.h"

// Menus and the accelerator table of the Windows front end, built from the shared
// tables so that every text and key lives in one place.

// A pop-up menu holding the entries of a table.
HMENU BuildPopupMenu(std::span<const MenuEntry> entries);
// The main window's menu bar (IDR_MAINFRAME).
HMENU BuildMenuBar();
// The main window's accelerator table (IDR_MAINFRAME).
HACCEL BuildAccelerators();

// Enables or greys every command entry of `menu` by `isEnabled`, as a menu opens.
void UpdateMenuEntries(HMENU menu, const std::function<bool(int id)>& isEnabled);
