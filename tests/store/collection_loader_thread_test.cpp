#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <string>

#include "store/collection_file.h"
#include "support/scoped_temp_dir.h"

namespace {

// At start the collection is read on a loader thread while the user-interface thread
// builds the window, and may already change a collection of its own; the two share
// nothing but the loader's result. (The thread-sanitizer build is what sees a slip.)
TEST(CollectionLoaderThreadTest, AReadOnTheLoaderSharesNothingButItsResult) {
  constexpr int kItems = 3000;
  ScopedTempDir dir;
  const std::string path = dir.File("items.vkd");
  {
    VostekData saved;
    saved.InitDefault();
    for (int i = 0; i < kItems; ++i) {
      auto item = std::make_unique<VostekItem>();
      item->SetName("item " + std::to_string(i));
      saved.AppendItem(std::move(item));
    }
    std::string error;
    ASSERT_TRUE(SaveCollectionFile(path, saved, &error)) << error;
  }

  std::future<CollectionLoadResult> loading =
      std::async(std::launch::async, &LoadCollectionFile, path);
  VostekData shown;
  shown.InitDefault();
  int changes = 0;
  do {
    const std::uint64_t names = NamesGeneration();
    const std::uint64_t content = ContentGeneration();
    shown.AddGroup("グループ1");
    shown.SetGroupName(1, "名前");
    shown.RemoveGroup(1);
    shown.AppendItem(std::make_unique<VostekItem>());
    shown.RemoveItemAt(0);
    EXPECT_NE(NamesGeneration(), names);
    EXPECT_NE(ContentGeneration(), content);
    ++changes;
  } while (loading.wait_for(std::chrono::seconds(0)) != std::future_status::ready);

  const CollectionLoadResult loaded = loading.get();
  ASSERT_EQ(loaded.status, CollectionStatus::Loaded) << loaded.message;
  ASSERT_EQ(loaded.data->GetItemCount(), kItems);
  EXPECT_EQ(loaded.data->GetItem(kItems - 1)->GetName(), "item " + std::to_string(kItems - 1));
  EXPECT_GT(changes, 0);
}

}  // namespace
