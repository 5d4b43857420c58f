#pragma once

#include <windows.h>

#include <functional>

#include "view/launcher_view.h"

// The item popup ("list" of IDR_POPUP) at `screenPoint`, owned by `owner`: entries
// enabled by `isEnabled`, the move-to-group sub-menu filled from `moveMenu` or greyed.
// The chosen command id, or 0.
int TrackItemPopupMenu(HWND owner, POINT screenPoint, const MoveToGroupMenu& moveMenu,
                       const std::function<bool(int id)>& isEnabled);
