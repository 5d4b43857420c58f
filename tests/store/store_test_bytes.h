#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/id_list.h"

// "01 0a ff" -> the three bytes; spaces and line breaks are ignored.
inline std::string HexBytes(std::string_view hex) {
  std::string bytes;
  int high = -1;
  for (const char c : hex) {
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (digit < 0) {
      continue;
    }
    if (high < 0) {
      high = digit;
    } else {
      bytes += static_cast<char>(high * 16 + digit);
      high = -1;
    }
  }
  return bytes;
}

inline const std::uint8_t* Raw(const std::string& bytes) {
  return reinterpret_cast<const std::uint8_t*>(bytes.data());
}

// The ID list of /home/a.txt: two file-name items and the terminator.
inline std::string HomeATxtIdList() {
  return HexBytes("07 00 01 68 6f 6d 65 08 00 01 61 2e 74 78 74 00 00");
}

// Counts what goes through the ID-list allocator while it is installed; can be told
// to refuse every request.
class CountingAllocator final : public IdListAllocator {
 public:
  CountingAllocator() : m_previous(vostek::g_malloc) { vostek::g_malloc = this; }
  ~CountingAllocator() override { vostek::g_malloc = m_previous; }
  void* Alloc(std::size_t size) override {
    largest = size > largest ? size : largest;
    if (refuse) {
      return nullptr;
    }
    ++live;
    return m_previous->Alloc(size);
  }
  void Free(void* block) override {
    if (block != nullptr) {
      --live;
    }
    m_previous->Free(block);
  }

  bool refuse = false;
  int live = 0;
  std::size_t largest = 0;

 private:
  IdListAllocator* m_previous;
};

// The golden files: the default collection, and two groups with two items.
inline const std::string kDefaultCollectionBytes =
    HexBytes("01 00 0d e3 82 b0 e3 83 ab e3 83 bc e3 83 97 30 00 00");
inline const std::string kTwoItemCollectionBytes = HexBytes(R"(
  02 00 0d e3 82 b0 e3 83 ab e3 83 bc e3 83 97 30 04 57 6f 72 6b 02 00 ff ff 01 00
  0a 00 56 6f 73 74 65 6b 49 74 65 6d 05 61 2e 74 78 74 02 00 00 00 0a 00 00 80 00
  f1 53 65 00 00 00 00 01 00 00 00 05 00 00 00 11 00 00 00 07 00 01 68 6f 6d 65 08
  00 01 61 2e 74 78 74 00 00 01 80 01 62 00 00 00 00 0a 00 00 80 00 00 00 00 00 00
  00 00 00 00 00 00 00 00 00 00 00 00 00 00)");
