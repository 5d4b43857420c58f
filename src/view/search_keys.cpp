#include "view/search_keys.h"

#include "resources/accelerators.h"
#include "resources/virtual_keys.h"

namespace {

bool IsShiftAccelerator(int key) {
  for (const Accelerator& accelerator : accelerators::kMainAccelerators) {
    if (accelerator.flags == kAccelShift && accelerator.key == key) {
      return true;
    }
  }
  return false;
}

}  // namespace

char SearchCharacter(unsigned code, bool shift) {
  if ((code >= '0' && code <= '9') || code == '-') {
    return static_cast<char>(code);
  }
  const bool small = code >= 'a' && code <= 'z';
  if (!small && !(code >= 'A' && code <= 'Z')) {
    return 0;
  }
  const char capital = static_cast<char>(small ? code - 'a' + 'A' : code);
  if (shift && IsShiftAccelerator(capital)) {
    return 0;
  }
  return capital;
}

bool ClearsSearch(int virtualKey, int modFlags) {
  if ((modFlags & (vk::kModAlt | vk::kModWin)) != 0) {
    return false;
  }
  if (virtualKey == vk::kBack) {
    return true;
  }
  return virtualKey == vk::kDelete && (modFlags & vk::kModShift) != 0 &&
         (modFlags & vk::kModControl) == 0;
}
