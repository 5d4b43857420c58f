// The ID-list encoding of this system's build; the Windows build takes the shell's own.

#include <cstdint>
#include <string_view>

#include "store/id_list.h"

namespace {

std::uint16_t ReadCb(const std::uint8_t* at) {
  return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

}  // namespace

bool IsNativeIdList(const std::uint8_t* bytes, std::size_t size) {
  if (!IsWellFormedIdList(bytes, size)) {
    return false;
  }
  for (const IdList* item = bytes; ReadCb(item) != 0; item += ReadCb(item)) {
    const std::size_t cb = ReadCb(item);
    if (cb < 4) {  // the count, the kind and at least one byte
      return false;
    }
    const auto* first = reinterpret_cast<const char*>(item + 3);
    const std::string_view itemBytes(first, cb - 3);
    const auto kind = static_cast<IdItemKind>(item[2]);
    const bool fileName = kind == IdItemKind::FileName && itemBytes.find_first_of(std::string_view(
                                                              "/\0", 2)) == std::string_view::npos;
    if (!fileName && kind != IdItemKind::Uri) {
      return false;
    }
  }
  return true;
}
