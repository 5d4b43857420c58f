#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "store/archive.h"
#include "store/collection_file.h"
#include "store/vostek_data.h"
#include "store_test_bytes.h"

namespace {

// The record of item a.txt inside the two-item golden file, after its class tag.
std::string ATxtRecord() {
  return kTwoItemCollectionBytes.substr(39, 51);
}

std::unique_ptr<VostekItem> ItemFromRecord(const std::string& record) {
  auto item = std::make_unique<VostekItem>();
  ArchiveReader reader(record);
  item->Load(reader);
  EXPECT_TRUE(reader.AtEnd());
  return item;
}

std::string PidlBytes(const VostekItem& item) {
  return {reinterpret_cast<const char*>(item.GetPidl()), GetIdListSize(item.GetPidl())};
}

TEST(CollectionBytesTest, GoldenFilesRead) {
  auto defaults = ReadCollection(kDefaultCollectionBytes);
  ASSERT_EQ(defaults->GetGroupCount(), 1);
  EXPECT_EQ(defaults->GetGroupName(0), "グループ0");
  EXPECT_TRUE(defaults->IsEmpty());

  auto data = ReadCollection(kTwoItemCollectionBytes);
  ASSERT_EQ(data->GetGroupCount(), 2);
  EXPECT_EQ(data->GetGroupName(1), "Work");
  ASSERT_EQ(data->GetItemCount(), 2);
  const VostekItem& a = *data->GetItem(0);
  EXPECT_EQ(a.GetName(), "a.txt");
  EXPECT_EQ(a.GetCount(), 2u);
  EXPECT_EQ(a.GetLastTime(), 1700000000);
  EXPECT_EQ(a.GetGroup(), 1);
  EXPECT_EQ(a.GetOrder(), 5u);
  EXPECT_EQ(PidlBytes(a), HomeATxtIdList());
  const VostekItem& b = *data->GetItem(1);
  EXPECT_EQ(b.GetName(), "b");
  EXPECT_EQ(b.GetCount(), 0u);
  EXPECT_EQ(b.GetLastTime(), 0);
  EXPECT_EQ(b.GetPidl(), nullptr);
}

TEST(CollectionBytesTest, GoldenFilesWritten) {
  VostekData data;
  data.InitDefault();
  EXPECT_EQ(WriteCollection(data), kDefaultCollectionBytes);

  data.AddGroup("Work");
  data.AppendItem(ItemFromRecord(ATxtRecord()));
  auto b = std::make_unique<VostekItem>();
  b->SetName("b");
  b->SetIcon(7);  // never stored
  data.AppendItem(std::move(b));
  EXPECT_EQ(WriteCollection(data), kTwoItemCollectionBytes);
}

// Groups and records with every length form, an ID list of one item and of none (the
// root) in records with the older time, and a name longer than a piece of the file.
std::string VariedCollectionBytes() {
  VostekData data;
  data.AddGroup("");
  data.AddGroup(std::string(300, 'g'));
  for (const std::size_t length : {0, 254, 255, 300, 65534, 70000}) {
    auto item = std::make_unique<VostekItem>();
    item->SetName(std::string(length, 'n') + "名");
    item->RecordLaunch(-5 - static_cast<std::int64_t>(length));
    item->SetGroup(-1);
    item->SetOrder(0xFFFFFFFF);
    data.AppendItem(std::move(item));
  }
  data.AppendItem(ItemFromRecord(ATxtRecord()));
  // ID lists of one item and of no item (the root), in records with the older time.
  data.AppendItem(ItemFromRecord(
      HexBytes("00 00000000 00000000 00000000 00000000 0a000000 0800 01 612e747874 0000")));
  data.AppendItem(ItemFromRecord(HexBytes("00 00000000 00000000 00000000 00000000 02000000 0000")));
  return WriteCollection(data);
}

// Many small records: pieces of the file end inside them.
std::string LargeCollectionBytes() {
  VostekData data;
  data.InitDefault();
  for (int i = 0; i < 5000; ++i) {
    data.AppendItem(ItemFromRecord(ATxtRecord()));
  }
  return WriteCollection(data);
}

// What reading `bytes` gives: the collection written back, or "fails".
std::string ReadBack(const std::function<std::unique_ptr<VostekData>()>& read) {
  try {
    return WriteCollection(*read());
  } catch (const ArchiveError&) {
    return "fails";
  }
}

// The reader told the data holds `size` bytes, handed at most `piece` of `bytes` at a time.
std::unique_ptr<VostekData> ReadInPieces(const std::string& bytes, std::uint64_t size,
                                         std::size_t piece) {
  std::size_t at = 0;
  ArchiveReader archive(size, [&bytes, &at, piece](char* into, std::size_t asked) {
    const std::size_t got = bytes.copy(into, std::min(asked, piece), at);
    at += got;
    return got;
  });
  return ReadCollection(archive);
}

TEST(CollectionBytesTest, RecordsRoundTrip) {
  const std::string bytes = VariedCollectionBytes();
  EXPECT_NE(bytes.find(HexBytes("0a000000 0800 01 612e747874 0000")), std::string::npos);
  auto copy = ReadCollection(bytes);
  // Every stored field is in the bytes, so equal bytes mean equal records.
  EXPECT_EQ(WriteCollection(*copy), bytes);
  EXPECT_EQ(copy->GetItem(5)->GetName(), std::string(70000, 'n') + "名");
  EXPECT_EQ(copy->GetItem(5)->GetLastTime(), -70005);
  EXPECT_EQ(PidlBytes(*copy->GetItem(copy->GetItemCount() - 1)), HexBytes("00 00"));
}

// A file is read a piece at a time; whatever its bytes, and however the system hands
// them over, the result is the one of reading them whole. Data that ends before the
// size the file had when opened (it shrank meanwhile) fails.
TEST(CollectionBytesTest, ReadingInPiecesGivesWhatReadingWholeGives) {
  std::vector<std::string> files = {VariedCollectionBytes(), LargeCollectionBytes(),
                                    kDefaultCollectionBytes + "x",
                                    HexBytes("00 00 ff ff 00 ca 9a 3b ff ff 01 00")};
  for (std::size_t size = 0; size <= kTwoItemCollectionBytes.size(); ++size) {
    files.push_back(kTwoItemCollectionBytes.substr(0, size));
  }
  for (const std::string& file : files) {
    const std::string whole = ReadBack([&file] { return ReadCollection(file); });
    for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, std::size_t{1} << 20}) {
      EXPECT_EQ(ReadBack([&] { return ReadInPieces(file, file.size(), piece); }), whole)
          << file.size() << " bytes in pieces of " << piece;
      EXPECT_EQ(ReadBack([&] { return ReadInPieces(file, file.size() + 1, piece); }), "fails")
          << file.size() << " bytes in pieces of " << piece;
    }
  }
  EXPECT_NE(ReadBack([&files] { return ReadCollection(files.back()); }), "fails");
}

TEST(CollectionBytesTest, EveryTruncationFailsAndKeepsNothing) {
  CountingAllocator allocator;
  for (std::size_t size = 0; size < kTwoItemCollectionBytes.size(); ++size) {
    EXPECT_THROW(ReadCollection(kTwoItemCollectionBytes.substr(0, size)), ArchiveError) << size;
  }
  EXPECT_THROW(ReadCollection(kDefaultCollectionBytes + "x"), ArchiveError);
  EXPECT_EQ(allocator.live, 0);

  // An item that fails part-way is left as it was.
  auto item = ItemFromRecord(ATxtRecord());
  const std::string record = ATxtRecord();
  for (std::size_t size = 0; size < record.size(); ++size) {
    const std::string readerBytes = record.substr(0, size);
    ArchiveReader reader(readerBytes);
    item->SetName("kept");
    EXPECT_THROW(item->Load(reader), ArchiveError);
    EXPECT_EQ(item->GetName(), "kept");
    EXPECT_EQ(PidlBytes(*item), HomeATxtIdList());
  }
  item.reset();
  EXPECT_EQ(allocator.live, 0);
}

TEST(CollectionBytesTest, HostileSizesFailWithoutAllocating) {
  const std::string head = kTwoItemCollectionBytes.substr(0, 39 + 30);  // a.txt up to its N
  CountingAllocator allocator;
  for (const char* hex : {
           "ff ff ff ff 07 00",  // a 4 GB ID list
       }) {
    EXPECT_THROW(ReadCollection(head + HexBytes(hex)), ArchiveError) << hex;
  }
  EXPECT_EQ(allocator.largest, 0u);
  // A billion items, and a billion group names, claimed by a few bytes.
  EXPECT_THROW(ReadCollection(HexBytes("00 00 ff ff 00 ca 9a 3b ff ff 01 00")), ArchiveError);
  EXPECT_THROW(ReadCollection(HexBytes("ff ff 00 ca 9a 3b 00 00")), ArchiveError);

  allocator.refuse = true;
  EXPECT_THROW(ReadCollection(kTwoItemCollectionBytes), ArchiveError);
}

// Only the file's own framing decides whether it loads: an ID list in another encoding
// (another system's build, or bytes that do not hold together as ours) stays with its
// item as it was, gives no target here, and is written back byte for byte.
TEST(CollectionBytesTest, IdListsNotInOurEncodingAreKeptAsTheyAre) {
  const std::string head = kTwoItemCollectionBytes.substr(0, 39 + 30);  // a.txt up to its N
  const std::string tail = kTwoItemCollectionBytes.substr(39 + 30 + 4 + 17);
  CountingAllocator allocator;
  struct Case {
    const char* hex;
    bool framingBroken;  // foreign to every system, not only to this one
  };
  const Case cases[] = {
      {"14 00 1f 50 e0 4f d0 20 ea 3a 69 10 a2 d8 08 00 2b 30 30 9d 00 00", false},  // Windows
      {"07 00 01 68 6f 6d 65 09 00 01 61 2e 74 78 74 00 00", true},  // cb past the end
      {"00 00 00 00", true},                                         // bytes after the end
      {"02 00 00 00", false},                                        // an item without a kind
      {"05 00 07 61 62 00 00", false},                               // an unknown kind
      {"06 00 01 61 2f 62 00 00", false},                            // a name with a slash
  };
  for (const auto& [hex, framingBroken] : cases) {
#ifdef _WIN32
    if (!framingBroken) {
      continue;  // the shell's own lists
    }
#else
    (void)framingBroken;
#endif
    const std::string list = HexBytes(hex);
    ArchiveWriter size;
    size.WriteU32(static_cast<std::uint32_t>(list.size()));
    const std::string file = head + size.Bytes() + list + tail;
    std::unique_ptr<VostekData> data;
    ASSERT_NO_THROW(data = ReadCollection(file)) << hex;
    const VostekItem& item = *data->GetItem(0);
    EXPECT_EQ(item.GetName(), "a.txt");
    EXPECT_EQ(item.GetPidl(), nullptr);
    EXPECT_EQ(item.GetForeignIdList(), list);
    EXPECT_EQ(WriteCollection(*data), file) << hex;
  }
  EXPECT_EQ(allocator.live, 0);
}

}  // namespace
