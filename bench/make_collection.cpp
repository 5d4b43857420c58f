// Writes an items.vkd of a given size for the performance harness, through the
// collection code the program itself reads and writes with: the names of
// bench_names.cpp, every item in group 0, each launched a few times (so the popular
// view has them all to rank) and each aimed at a target of its own that does not exist.

#include <cstdlib>
#include <iostream>
#include <memory>
#include <random>
#include <string>

#include "bench_names.h"
#include "platform/linux/shell_id_list.h"
#include "store/archive.h"
#include "store/collection_file.h"
#include "store/vostek_data.h"
#include "store/vostek_item.h"

namespace {

constexpr char kDictionaryPath[] = "/usr/share/cmigemo/utf-8/migemo-dict";
constexpr char kMissingFolder[] = "/nonexistent/vostek-perf";

std::unique_ptr<VostekItem> MakeItem(const std::string& name, std::uint32_t order,
                                     std::uint32_t launches, std::int64_t lastTime) {
  const IdListPtr target =
      IdListFromPath(std::string(kMissingFolder) + "/" + std::to_string(order) + "/" + name);
  const std::size_t targetSize = GetIdListSize(target.get());
  // The item's own record, read back: the store offers no other way to set a target.
  ArchiveWriter record;
  record.WriteString(name);
  record.WriteU32(launches);
  record.WriteTime(lastTime);
  record.WriteI32(0);
  record.WriteU32(order);
  record.WriteU32(static_cast<std::uint32_t>(targetSize));
  record.WriteBytes(target.get(), targetSize);
  const std::string bytes = record.Bytes();
  ArchiveReader reader(bytes);
  auto item = std::make_unique<VostekItem>();
  item->Load(reader);
  return item;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: " << argv[0] << " <item count> <items.vkd to write>\n";
    return 2;
  }
  const auto count = static_cast<std::size_t>(std::strtoul(argv[1], nullptr, 10));
  VostekData data;
  data.InitDefault();
  std::mt19937 random(static_cast<unsigned>(count) + 1);
  std::uniform_int_distribution<std::uint32_t> launches(1, 500);
  std::uniform_int_distribution<std::int64_t> times(1'500'000'000, 1'800'000'000);
  const std::vector<std::string> names = RealisticNames(kDictionaryPath, count);
  for (std::size_t i = 0; i < names.size(); ++i) {
    data.AppendItem(
        MakeItem(names[i], static_cast<std::uint32_t>(i), launches(random), times(random)));
  }
  std::string error;
  if (!SaveCollectionFile(argv[2], data, &error)) {
    std::cerr << argv[2] << ": " << error << "\n";
    return 1;
  }
  return 0;
}
