// Items whose place the collection file records in a form the Windows shell cannot
// take are never handed to it.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/windows/windows_id_list.h"
#include "resources/texts.h"
#include "store/archive.h"
#include "store/store_test_bytes.h"
#include "store/vostek_item.h"
#include "support/fake_desktop_shell.h"
#include "support/test_globals.h"

namespace {

TEST(WindowsForeignIdListTest, OnlyTheShellsOwnListsAreOpenedOthersSayWhyAndStayAsTheyWere) {
  const struct {
    const char* what;
    const char* hex;
    bool own;
  } cases[] = {
      {"the shell's", "14 00 1f 50 e0 4f d0 20 ea 3a 69 10 a2 d8 08 00 2b 30 30 9d 00 00", true},
      {"the desktop", "00 00", true},
      {"made on Linux", "07 00 01 68 6f 6d 65 08 00 01 61 2e 74 78 74 00 00", false},
      {"damaged", "07 00 01 68 6f 6d 65 09 00 01 61 2e 74 78 74 00 00", false},
  };
  for (const auto& [what, hex, own] : cases) {
    SCOPED_TRACE(what);
    TestGlobals globals;
    FakeDesktopShell shell;
    shell.ownList = IsWindowsShellIdList;

    const std::string list = HexBytes(hex);
    ArchiveWriter record;
    record.WriteString("a.txt");
    record.WriteU32(0);
    record.WriteTime(0);
    record.WriteI32(0);
    record.WriteU32(0);
    record.WriteU32(static_cast<std::uint32_t>(list.size()));
    record.WriteBytes(list.data(), list.size());
    ArchiveReader reader(record.Bytes());
    auto loaded = std::make_unique<VostekItem>();
    loaded->Load(reader);
    VostekItem& item = *loaded;
    globals.data.AppendItem(std::move(loaded));

    EXPECT_EQ(item.Launch(shell), own ? 1 : 0);
    EXPECT_EQ(item.OpenFolder(shell), own ? 1 : 0);
    EXPECT_EQ(item.GetCount(), own ? 2u : 0u);
    EXPECT_EQ(shell.calls.size(), own ? 2u : 0u);
    const std::vector<std::string> refusals(own ? 0 : 2, texts::kForeignIdList);
    EXPECT_EQ(globals.messages.Texts(), refusals);

    ArchiveWriter written;
    item.Store(written);
    EXPECT_EQ(written.Bytes().substr(written.Bytes().size() - list.size()), list);
  }
}

}  // namespace
