// Reads arbitrary bytes as items.vkd. Whatever reads must write back to bytes that
// read again to the same collection; nothing else may crash or allocate beyond the
// input's size.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "store/archive.h"
#include "store/collection_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::unique_ptr<VostekData> collection;
  try {
    collection = ReadCollection(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const ArchiveError&) {
    return 0;
  }
  const std::string written = WriteCollection(*collection);
  const std::string rewritten = WriteCollection(*ReadCollection(written));
  if (rewritten != written) {
    __builtin_trap();
  }
  return 0;
}
