#include "view/win32/item_popup_menu.h"

#include "frame/win32/win32_menus.h"
#include "platform/windows/wide_text.h"
#include "resources/menus.h"

int TrackItemPopupMenu(HWND owner, POINT screenPoint, const MoveToGroupMenu& moveMenu,
                       const std::function<bool(int id)>& isEnabled) {
  HMENU popup = BuildPopupMenu(menus::kItemMenu);
  UpdateMenuEntries(popup, isEnabled);
  HMENU moveTo = ::CreatePopupMenu();
  if (moveMenu.greyed) {
    const MenuEntry& placeholder = menus::kMoveToGroupPlaceholder;
    ::AppendMenuW(moveTo, MF_STRING, static_cast<UINT_PTR>(placeholder.id),
                  WideFromUtf8(placeholder.text).c_str());
  } else {
    for (const MoveToGroupEntry& entry : moveMenu.entries) {
      ::AppendMenuW(moveTo, MF_STRING | (entry.enabled ? MF_ENABLED : MF_GRAYED),
                    static_cast<UINT_PTR>(entry.id), WideFromUtf8(entry.text).c_str());
    }
  }
  ::InsertMenuW(popup, static_cast<UINT>(menus::kMoveToGroupPosition),
                MF_BYPOSITION | MF_POPUP | (moveMenu.greyed ? MF_GRAYED : MF_ENABLED),
                reinterpret_cast<UINT_PTR>(moveTo), WideFromUtf8(menus::kMoveToGroupTitle).c_str());
  ::SetForegroundWindow(owner);
  const int chosen =
      ::TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD,
                       screenPoint.x, screenPoint.y, 0, owner, nullptr);
  ::DestroyMenu(popup);
  return chosen;
}
