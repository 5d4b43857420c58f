// On Windows the ID lists are the shell's own: one made on Linux is kept as bytes, never
// handed to the shell.

#include "platform/windows/windows_id_list.h"
#include "store/id_list.h"

bool IsNativeIdList(const std::uint8_t* bytes, std::size_t size) {
  return IsWindowsShellIdList(bytes, size);
}
