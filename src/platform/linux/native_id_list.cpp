// The ID-list encoding of this system's build; the Windows build takes the shell's own.

#include "store/id_list.h"

bool IsNativeIdList(const std::uint8_t* bytes, std::size_t size) {
  return IsLinuxIdList(bytes, size);
}
