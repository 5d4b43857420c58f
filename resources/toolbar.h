#pragma once

#include "resources/command_ids.h"

// One toolbar button, or a separator (id 0), with the image it shows.
struct ToolbarButton {
  int id;
  const char* icon;  // resource path of the image; nullptr for a separator
};

namespace toolbar {

// The main window's toolbar (IDR_MAINFRAME), left to right.
inline constexpr ToolbarButton kMainToolbar[] = {
    {ID_ITEM_LAUNCH, ":/icons/launch.svg"},
    {ID_ITEM_OPENFOLDER, ":/icons/open_folder.svg"},
    {ID_ITEM_UP, ":/icons/move_up.svg"},
    {ID_ITEM_DOWN, ":/icons/move_down.svg"},
    {0, nullptr},
    {ID_GROUP_PREV, ":/icons/previous_group.svg"},
    {ID_GROUP_NEXT, ":/icons/next_group.svg"},
};

inline constexpr char kApplicationIcon[] = ":/icons/vostek.svg";

}  // namespace toolbar
