// On Windows the ID lists are the shell's own: any list that holds together is one.

#include "store/id_list.h"

bool IsNativeIdList(const std::uint8_t* bytes, std::size_t size) {
  return IsWellFormedIdList(bytes, size);
}
