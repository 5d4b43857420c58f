#include "view/id_list_array.h"

#include <cstdint>
#include <optional>

namespace {

std::optional<std::uint32_t> ReadU32(std::string_view block, std::size_t offset) {
  if (offset > block.size() || block.size() - offset < 4) {
    return std::nullopt;
  }
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) {
    value = (value << 8) | static_cast<std::uint8_t>(block[offset + static_cast<std::size_t>(i)]);
  }
  return value;
}

// A copy of the list at `offset`, when its items and terminator lie inside the block.
IdListPtr ListAt(std::string_view block, std::uint32_t offset) {
  std::size_t at = offset;
  for (;;) {
    if (at > block.size() || block.size() - at < 2) {
      return nullptr;
    }
    const std::size_t cb =
        static_cast<std::uint8_t>(block[at]) |
        (static_cast<std::size_t>(static_cast<std::uint8_t>(block[at + 1])) << 8);
    if (cb == 0) {
      break;
    }
    if (cb < 2 || block.size() - at < cb) {
      return nullptr;
    }
    at += cb;
  }
  return IdListPtr(
      CopyIdList(reinterpret_cast<const std::uint8_t*>(block.data()) + offset, at + 2 - offset));
}

}  // namespace

std::vector<DroppedObject> DroppedObjectsFromIdListArray(std::string_view block) {
  const std::optional<std::uint32_t> count = ReadU32(block, 0);
  const std::optional<std::uint32_t> parentOffset = ReadU32(block, 4);
  // Each object needs its offset and a terminator at least, so a count the block cannot
  // hold is refused before anything is reserved for it.
  if (!count || !parentOffset || *count > block.size() / 6) {
    return {};
  }
  std::vector<DroppedObject> objects;
  objects.reserve(*count);
  for (std::uint32_t i = 0; i < *count; ++i) {
    const std::optional<std::uint32_t> childOffset = ReadU32(block, 8 + std::size_t{4} * i);
    if (!childOffset) {
      return {};
    }
    DroppedObject object{ListAt(block, *parentOffset), ListAt(block, *childOffset)};
    if (!object.parent || !object.child) {
      return {};
    }
    objects.push_back(std::move(object));
  }
  return objects;
}
