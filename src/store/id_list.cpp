#include "store/id_list.h"

#include <cstring>
#include <new>
#include <string_view>

namespace {

class HeapAllocator final : public IdListAllocator {
 public:
  void* Alloc(std::size_t size) override { return ::operator new(size, std::nothrow); }
  void Free(void* block) override { ::operator delete(block); }
};

HeapAllocator g_heapAllocator;

std::uint16_t ReadCb(const std::uint8_t* at) {
  return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

}  // namespace

namespace vostek {
IdListAllocator* g_malloc = &g_heapAllocator;
}  // namespace vostek

std::size_t GetIdListSize(const IdList* list) {
  if (list == nullptr) {
    return 0;
  }
  std::size_t size = 2;
  for (const IdList* item = list; ReadCb(item) != 0; item += ReadCb(item)) {
    size += ReadCb(item);
  }
  return size;
}

IdList* ConcatIdLists(const IdList* parent, const IdList* child) {
  if (parent == nullptr || child == nullptr) {
    return nullptr;
  }
  const std::size_t parentBytes = GetIdListSize(parent) - 2;
  const std::size_t childBytes = GetIdListSize(child);
  auto* joined = static_cast<IdList*>(vostek::g_malloc->Alloc(parentBytes + childBytes));
  if (joined == nullptr) {
    return nullptr;
  }
  std::memcpy(joined, parent, parentBytes);
  std::memcpy(joined + parentBytes, child, childBytes);
  return joined;
}

bool IsWellFormedIdList(const std::uint8_t* bytes, std::size_t size) {
  if (bytes == nullptr) {
    return false;
  }
  std::size_t at = 0;
  while (size - at >= 2) {
    const std::uint16_t cb = ReadCb(bytes + at);
    if (cb == 0) {
      return at + 2 == size;
    }
    // An item must leave room for at least the terminator after it.
    if (cb < 2 || cb > size - at - 2) {
      return false;
    }
    at += cb;
  }
  return false;
}

bool IsLinuxIdList(const std::uint8_t* bytes, std::size_t size) {
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

IdList* CopyIdList(const std::uint8_t* bytes, std::size_t size) {
  auto* copy = static_cast<IdList*>(vostek::g_malloc->Alloc(size));
  if (copy != nullptr && size > 0) {
    std::memcpy(copy, bytes, size);
  }
  return copy;
}
