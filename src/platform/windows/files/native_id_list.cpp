// On Windows the ID lists are the shell's own: any list that holds together is kept as
// one, and one made on Linux is refused when it would be handed to the shell
// (IsOwnIdList of the Windows shell).

#include "store/id_list.h"

bool IsNativeIdList(const std::uint8_t* bytes, std::size_t size) {
  return IsWellFormedIdList(bytes, size);
}
