#include "platform/windows/windows_id_list.h"

#include "store/id_list.h"

namespace {

constexpr std::size_t kTerminatorOnly = 2;

}  // namespace

bool IsWindowsShellIdList(const std::uint8_t* bytes, std::size_t size) {
  if (!IsWellFormedIdList(bytes, size)) {
    return false;
  }
  return size == kTerminatorOnly || !IsLinuxIdList(bytes, size);
}
