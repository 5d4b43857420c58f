#include "store/code_page_932_collection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/archive.h"

namespace {

// A text as a collection file stores it: narrow bytes, or UTF-16 (little-endian).
struct StoredText {
  std::string bytes;
  bool wide = false;
};

StoredText Wide(std::u16string_view text) {
  std::string bytes;
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return {bytes, true};
}

void WriteText(ArchiveWriter& archive, const StoredText& text) {
  if (!text.wide) {
    archive.WriteString(text.bytes);
    return;
  }
  archive.WriteU8(0xFF);
  archive.WriteU16(0xFFFE);  // the wide mark
  archive.WriteU8(static_cast<std::uint8_t>(text.bytes.size() / 2));
  archive.WriteBytes(text.bytes.data(), text.bytes.size());
}

// Every text as a group name, and the last also as the name of the one item.
std::string CollectionOf(const std::vector<StoredText>& texts) {
  ArchiveWriter archive;
  archive.WriteCount(texts.size());
  for (const StoredText& text : texts) {
    WriteText(archive, text);
  }
  archive.WriteCount(1);
  archive.WriteObjectTag("VostekItem", 1);
  WriteText(archive, texts.back());
  archive.WriteU32(3);     // count
  archive.WriteTime(100);  // last launch
  archive.WriteI32(0);     // group
  archive.WriteU32(0);     // order
  archive.WriteU32(0);     // no ID list
  return archive.Bytes();
}

TEST(CodePage932CollectionTest, AFileIsReadAsUtf8OrAsCodePage932Whole) {
  struct Case {
    const char* what;
    std::vector<StoredText> stored;
    bool converted;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {"UTF-8 throughout stays as it is",
       {{"グループ0"}, {"メモ帳"}, {"C:\\表"}},
       false,
       {"グループ0", "メモ帳", "C:\\表"}},
      {"ASCII alone is UTF-8", {{"Work"}, {"a~b\\c"}}, false, {"Work", "a~b\\c"}},
      {"code page 932, a backslash as the second byte of 表",
       {{"\x83\x4F\x83\x8B\x81\x5B\x83\x76\x30"},
        {"\x83\x81\x83\x82\x92\xA0"},
        {"\x95\x5C\x8E\xA6"}},
       true,
       {"グループ0", "メモ帳", "表示"}},
      {"half-width katakana with their voiced marks",
       {{"\xB6\xDE\xB2\xC4\xDE"}, {"\xA1\xA4\xDF"}},
       true,
       {"ｶﾞｲﾄﾞ", "｡､ﾟ"}},
      {"NEC special characters, NEC-selected and IBM extensions, the user-defined area",
       {{"\x87\x40\x87\x82\x87\x90"},
        {"\xED\x40\xEE\xE0"},
        {"\xFA\x40\xFA\x58\xFB\xFC"},
        {"\xF0\x40\xF9\xFC"}},
       true,
       {"①№≒", "纊髙", "ⅰ㈱髙", "\uE000\uE757"}},
      {"code page 932's own reading of the full-width forms",
       {{"\x81\x5F\x81\x60\x81\x61\x81\x7C"}},
       true,
       {"＼～∥－"}},
      {"a byte or a pair that stands for nothing is U+FFFD; an ASCII byte after a lead "
       "is read again on its own",
       {{"A\x80"
         "B"},
        {"\xA0\xFD\xFE\xFF"},
        {"\x85\x40"
         "C"},
        {"\x85[x"},
        {"\x82\xFD\x82\xA0"},
        {"end\x82"}},
       true,
       {"A\uFFFDB", "\uFFFD\uFFFD\uFFFD\uFFFD", "\uFFFD@C", "\uFFFD[x", "\uFFFDあ", "end\uFFFD"}},
      {"one text not UTF-8 makes every narrow text code page 932, UTF-8 ones as well",
       {{"Caf\xC3\xA9"}, {"plain"}, {"\x82\xA0"}},
       true,
       {"Cafﾃｩ", "plain", "あ"}},
      {"wide texts are UTF-16 either way",
       {Wide(u"ｶﾅ"), {"\x83\x4A\x83\x69"}, Wide(u"カナ")},
       true,
       {"ｶﾅ", "カナ", "カナ"}},
      {"wide texts beside UTF-8 ones", {Wide(u"ｶﾅ"), {"カナ"}}, false, {"ｶﾅ", "カナ"}},
  };
  for (const Case& c : cases) {
    const std::string bytes = CollectionOf(c.stored);
    bool converted = !c.converted;
    const std::unique_ptr<VostekData> data = ReadCollectionOfEitherText(bytes, &converted);
    EXPECT_EQ(converted, c.converted) << c.what;
    std::vector<std::string> groups;
    for (int group = 0; group < data->GetGroupCount(); ++group) {
      groups.push_back(data->GetGroupName(group));
    }
    EXPECT_EQ(groups, c.shown) << c.what;
    ASSERT_EQ(data->GetItemCount(), 1) << c.what;
    const VostekItem& item = *data->GetItem(0);
    EXPECT_EQ(item.GetName(), c.shown.back()) << c.what;
    EXPECT_EQ(item.GetCount(), 3u) << c.what;
    EXPECT_EQ(item.GetLastTime(), 100) << c.what;
  }
  bool converted = false;
  EXPECT_THROW(ReadCollectionOfEitherText(CollectionOf({{"\x82\xA0"}}) + "x", &converted),
               ArchiveError);
}

}  // namespace
