#pragma once

#include <cstdint>

#include "resources/command_ids.h"
#include "resources/virtual_keys.h"

// One accelerator: a virtual key with its modifier flags, and the command it sends.
struct Accelerator {
  std::uint8_t flags;  // kAccelShift | kAccelControl | kAccelAlt
  int key;             // virtual-key code
  int command;
};

inline constexpr std::uint8_t kAccelShift = 0x04;
inline constexpr std::uint8_t kAccelControl = 0x08;
inline constexpr std::uint8_t kAccelAlt = 0x10;

namespace accelerators {

// The main window's accelerator table (IDR_MAINFRAME).
inline constexpr Accelerator kMainAccelerators[] = {
    {0, vk::kReturn, ID_ITEM_LAUNCH},
    {kAccelShift, vk::kReturn, ID_ITEM_OPENFOLDER},
    {0, vk::kEscape, ID_HIDE},
    {kAccelControl, 'D', ID_ITEM_DOWN},
    {kAccelShift, 'X', ID_MOVE_TO_GROUP},  // the selection to group 0
    {0, vk::kDelete, ID_ITEM_REMOVE},
    {0, vk::kF1 + 1, ID_ITEM_RENAME},  // F2
    {kAccelControl, 'U', ID_ITEM_UP},
    {0, vk::kRight, ID_GROUP_NEXT},
    {0, vk::kLeft, ID_GROUP_PREV},
    {kAccelControl, vk::kDelete, ID_GROUP_DELETE},
    {kAccelControl, vk::kF1 + 1, ID_GROUP_RENAME},
    {kAccelAlt, vk::kF1 + 3, ID_APP_EXIT},  // Alt+F4
    {kAccelControl, 'N', ID_GROUP_NEW},
};

}  // namespace accelerators
