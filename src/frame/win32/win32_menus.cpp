#include "frame/win32/win32_menus.h"

#include <vector>

#include "platform/windows/wide_text.h"
#include "resources/accelerators.h"

HMENU BuildPopupMenu(std::span<const MenuEntry> entries) {
  HMENU menu = ::CreatePopupMenu();
  for (const MenuEntry& entry : entries) {
    if (entry.id == 0) {
      ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      ::AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(entry.id),
                    WideFromUtf8(entry.text).c_str());
    }
  }
  return menu;
}

HMENU BuildMenuBar() {
  HMENU bar = ::CreateMenu();
  for (const MenuDefinition& definition : menus::kMainMenu) {
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildPopupMenu(definition.entries)),
                  WideFromUtf8(definition.title).c_str());
  }
  return bar;
}

HACCEL BuildAccelerators() {
  std::vector<ACCEL> table;
  for (const Accelerator& accelerator : accelerators::kMainAccelerators) {
    // The shared flags carry the platform's own values: FSHIFT, FCONTROL, FALT.
    table.push_back({static_cast<BYTE>(FVIRTKEY | accelerator.flags),
                     static_cast<WORD>(accelerator.key), static_cast<WORD>(accelerator.command)});
  }
  return ::CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

void UpdateMenuEntries(HMENU menu, const std::function<bool(int id)>& isEnabled) {
  const int count = ::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    const UINT id = ::GetMenuItemID(menu, position);
    if (id == 0 || id == static_cast<UINT>(-1)) {
      continue;  // separators and sub-menus
    }
    ::EnableMenuItem(menu, static_cast<UINT>(position),
                     MF_BYPOSITION | (isEnabled(static_cast<int>(id)) ? MF_ENABLED : MF_GRAYED));
  }
}
