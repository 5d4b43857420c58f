#include "platform/linux/shell_id_list.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> Bytes(const IdList* list) {
  return {list, list + GetIdListSize(list)};
}

TEST(ShellIdList, PathsMakeOneFileNameItemPerComponent) {
  const IdListPtr list = IdListFromPath("/home/u/a.txt");
  ASSERT_NE(list, nullptr);
  const std::vector<std::uint8_t> expected = {7, 0, 0x01, 'h', 'o', 'm', 'e', 4,   0, 0x01, 'u',
                                              8, 0, 0x01, 'a', '.', 't', 'x', 't', 0, 0};
  EXPECT_EQ(Bytes(list.get()), expected);
  EXPECT_EQ(PathFromIdList(list.get()), "/home/u/a.txt");

  const IdListPtr root = IdListFromPath("/");
  EXPECT_EQ(GetIdListSize(root.get()), 2u);
  EXPECT_EQ(PathFromIdList(root.get()), "/");

  EXPECT_EQ(PathFromIdList(IdListFromPath("//a/./b/").get()), "/a/b");
  EXPECT_EQ(PathFromIdList(IdListFromPath("/a/../b").get()), "/a/../b");  // taken as it stands
  EXPECT_EQ(IdListFromPath("a/b"), nullptr);
  EXPECT_EQ(IdListFromPath(""), nullptr);
  EXPECT_EQ(IdListFromPath(std::string("/a\0b/c", 6)), nullptr) << "not silently /c";
}

TEST(ShellIdList, AwkwardNamesKeepTheirRawBytes) {
  const std::string path = "/tmp/-caf\xe9 'q' \"d\" $HOME; x\nline\xff.txt";
  const IdListPtr list = IdListFromPath(path);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(PathFromIdList(list.get()), path);
  const std::string uri = UriFromIdList(list.get());
  EXPECT_TRUE(uri.starts_with("file:///tmp/-caf%E9%20")) << uri;
  EXPECT_EQ(uri.find('\n'), std::string::npos) << uri;
  gchar* back = g_filename_from_uri(uri.c_str(), nullptr, nullptr);
  EXPECT_STREQ(back, path.c_str()) << "the URI names the same file";
  g_free(back);

  const std::string longName(70000, 'n');
  EXPECT_EQ(IdListFromPath("/" + longName), nullptr) << "a component longer than an item holds";
}

TEST(ShellIdList, UriItemsHaveNoPath) {
  const IdListPtr list = IdListFromUri("https://example.org/a b");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(GetIdListSize(list.get()), 3u + 23u + 2u);
  EXPECT_EQ(PathFromIdList(list.get()), "");
  EXPECT_EQ(UriFromIdList(list.get()), "https://example.org/a b");

  // The drop intake's shape: the root as parent, the URI item as child.
  const IdListPtr root = IdListFromPath("/");
  const IdListPtr joined(ConcatIdLists(root.get(), list.get()));
  EXPECT_EQ(UriFromIdList(joined.get()), "https://example.org/a b");
  EXPECT_EQ(IdListFromUri(""), nullptr);
}

TEST(ShellIdList, NullAndDamagedListsGiveNothing) {
  EXPECT_EQ(PathFromIdList(nullptr), "");
  EXPECT_EQ(UriFromIdList(nullptr), "");

  const std::uint8_t tooShort[] = {2, 0, 0, 0};  // an item without a kind byte
  const std::uint8_t withSlash[] = {6, 0, 0x01, 'a', '/', 'b', 0, 0};
  const std::uint8_t unknownKind[] = {4, 0, 0x07, 'a', 0, 0};
  const std::uint8_t dotDotOnly[] = {5, 0, 0x01, '.', '.', 0, 0};
  EXPECT_EQ(PathFromIdList(tooShort), "");
  EXPECT_EQ(PathFromIdList(withSlash), "") << "a name with a slash would change the path";
  EXPECT_EQ(PathFromIdList(unknownKind), "");
  EXPECT_EQ(UriFromIdList(unknownKind), "");
  EXPECT_EQ(PathFromIdList(dotDotOnly), "/..");
}

TEST(ShellIdList, JoinsAndSingleItems) {
  const IdListPtr child = MakeSingleItemIdList(IdItemKind::FileName, "a.txt");
  const IdListPtr joined(ConcatIdLists(IdListFromPath("/home/u").get(), child.get()));
  EXPECT_EQ(PathFromIdList(joined.get()), "/home/u/a.txt");
  EXPECT_EQ(MakeSingleItemIdList(IdItemKind::Uri, std::string(65533, 'u')), nullptr);
  EXPECT_EQ(MakeSingleItemIdList(IdItemKind::FileName, "a/b"), nullptr);
  EXPECT_EQ(MakeSingleItemIdList(IdItemKind::FileName, ""), nullptr);
}

}  // namespace
