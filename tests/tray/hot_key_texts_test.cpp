#include "tray/hot_key_texts.h"

#include <gtest/gtest.h>

#include "resources/menus.h"
#include "resources/texts.h"

namespace {

TEST(HotKeyTextsTest, NameTheConfiguredKey) {
  struct Case {
    int virtualKey;
    int modFlags;
    const char* name;
  };
  const Case cases[] = {
      {0x20, 1, "Alt + Space"},
      {'K', 1 | 2, "Ctrl + Alt + K"},
      {0x7B, 2 | 4 | 8, "Ctrl + Shift + Win + F12"},
      {0x65, 0, "Num 5"},
      {0x2E, 2, "Ctrl + Del"},
      {0x1C, 1, "Alt + 変換"},
      {0x07, 1, "Alt + 0x07"},             // no name of its own
      {0x120, 1 | 0x4000, "Alt + Space"},  // only the low byte and the four flags count
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(HotKeyName(c.virtualKey, c.modFlags), c.name);
    EXPECT_EQ(WithHotKeyShortcut("表示(&S)\tAlt + Space", c.virtualKey, c.modFlags),
              std::string("表示(&S)\t") + c.name);
    EXPECT_NE(HotKeyUnavailableTitle(c.virtualKey, c.modFlags).find(c.name), std::string::npos);
    EXPECT_NE(
        HotKeyUnavailableText(c.virtualKey, c.modFlags, HotKeyAnswer::Taken, TrayClick::Double)
            .find(c.name),
        std::string::npos);
  }
  EXPECT_EQ(WithHotKeyShortcut("表示(&S)\tAlt + Space", 0, 1), "表示(&S)");
}

TEST(HotKeyTextsTest, TheGreetingKeepsItsWordsForAltSpaceAndNamesAnyOtherKey) {
  EXPECT_EQ(GreetingText(0x20, 1, TrayClick::Double), texts::kBalloonText);
  const std::string other = GreetingText('K', 2, TrayClick::Double);
  EXPECT_NE(other.find("Ctrl + K"), std::string::npos);
  EXPECT_EQ(other.find("Alt"), std::string::npos);
  EXPECT_EQ(GreetingText(0, 1, TrayClick::Double).find("Alt"), std::string::npos);
}

// A StatusNotifierItem host shows the window on a single click, an embedding tray on a
// double click: the texts that send the user to the icon name the one that works.
TEST(HotKeyTextsTest, TheTextsNameTheClickThatWorksOnTheTrayInUse) {
  struct Case {
    TrayClick click;
    const char* greeting;
    const char* report;
  };
  const Case cases[] = {
      {TrayClick::Single, "このアイコンをクリックして", "このアイコンのクリックで"},
      {TrayClick::Double, "このアイコンをダブルクリックして", "このアイコンのダブルクリックで"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.greeting);
    EXPECT_NE(GreetingText(0, 1, c.click).find(c.greeting), std::string::npos);
    EXPECT_NE(HotKeyUnavailableText(0x20, 1, HotKeyAnswer::Taken, c.click).find(c.report),
              std::string::npos);
    // The key's own greeting sends the user to the key, not to a click.
    EXPECT_EQ(GreetingText(0x20, 1, c.click), texts::kBalloonText);
  }
}

}  // namespace
