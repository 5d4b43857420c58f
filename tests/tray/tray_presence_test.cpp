#include "tray/tray_presence.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/globals.h"
#include "resources/texts.h"

namespace {

// An icon that records its balloons, their texts as a tray of single clicks reads them.
class FakeIcon : public NotificationIcon {
 public:
  struct Balloon {
    std::string title;
    std::string text;
    std::function<void()> onClick;
  };
  void ShowBalloon(const std::string& title, std::function<std::string(TrayClick)> text,
                   std::function<void()> onClick) override {
    balloons.push_back({title, text(TrayClick::Single), std::move(onClick)});
  }
  void SetShowEntryText(const std::string& text) override { showEntry = text; }

  std::vector<Balloon> balloons;
  std::string showEntry;
};

// A way that answers every ask at once, as RegisterHotKey does.
class AnsweringWay : public HotKeyWay {
 public:
  AnsweringWay(HotKeyAnswer answer, std::vector<HotKeyCombination>& asked)
      : m_answer(answer), m_asked(asked) {}
  void Take(const HotKeyCombination& combination) override {
    m_asked.push_back(combination);
    if (!combination.IsNone() && answered) {
      answered(m_answer, {});
    }
  }

 private:
  HotKeyAnswer m_answer;
  std::vector<HotKeyCombination>& m_asked;
};

class TrayPresenceTest : public ::testing::Test {
 protected:
  void TearDown() override { g_settings = Settings(); }
};

TEST_F(TrayPresenceTest, GreetsOnceNamesTheKeyInForceAndReportsAKeyNotHad) {
  const std::string greetAltSpace = GreetingText(0x20, 1, TrayClick::Single);
  const std::string greetCtrlK = GreetingText('K', 2, TrayClick::Single);
  const std::string takenCtrlK =
      HotKeyUnavailableText('K', 2, HotKeyAnswer::Taken, TrayClick::Single);
  const std::string noWayAltSpace =
      HotKeyUnavailableText(0x20, 1, HotKeyAnswer::NotHere, TrayClick::Single);
  struct Case {
    const char* what;
    int hotkey, hotkeyMask, helpStart;
    std::optional<HotKeyAnswer> wayAnswers;  // none: no way to own a key
    std::vector<std::string> balloons;       // "title|text", in the order shown
    std::string showEntry;
  };
  const Case cases[] = {
      {"first start, the default key had: the greeting only",
       0x20,
       1,
       0,
       HotKeyAnswer::Held,
       {std::string(texts::kBalloonTitle) + "|" + greetAltSpace},
       "表示(&S)\tAlt + Space"},
      {"a later start: no greeting", 0x20, 1, 1, HotKeyAnswer::Held, {}, "表示(&S)\tAlt + Space"},
      {"first start, another program holds the key: greeting, then the report",
       'K',
       2,
       0,
       HotKeyAnswer::Taken,
       {std::string(texts::kBalloonTitle) + "|" + greetCtrlK,
        HotKeyUnavailableTitle('K', 2) + "|" + takenCtrlK},
       "表示(&S)\tCtrl + K"},
      {"no way to own a key: reported even on a later start",
       0x20,
       1,
       1,
       std::nullopt,
       {HotKeyUnavailableTitle(0x20, 1) + "|" + noWayAltSpace},
       "表示(&S)\tAlt + Space"},
      {"no key configured: nothing asked, nothing reported, no shortcut shown",
       0,
       1,
       0,
       HotKeyAnswer::Taken,
       {std::string(texts::kBalloonTitle) + "|" + GreetingText(0, 1, TrayClick::Single)},
       "表示(&S)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    g_settings = Settings();
    g_settings.hotkey = c.hotkey;
    g_settings.hotkeyMask = c.hotkeyMask;
    g_settings.help_start = c.helpStart;
    FakeIcon icon;
    std::vector<HotKeyCombination> asked;
    int settingsOpened = 0;
    {
      TrayPresence presence(
          icon, c.wayAnswers ? std::make_unique<AnsweringWay>(*c.wayAnswers, asked) : nullptr,
          [] {}, [&settingsOpened] { ++settingsOpened; });
      presence.Start();
      std::vector<std::string> shown;
      for (const FakeIcon::Balloon& balloon : icon.balloons) {
        shown.push_back(balloon.title + "|" + balloon.text);
      }
      EXPECT_EQ(shown, c.balloons);
      EXPECT_EQ(icon.showEntry, c.showEntry);
      EXPECT_EQ(g_settings.help_start, 1);
      // Only the report leads to the hot-key dialog.
      for (const FakeIcon::Balloon& balloon : icon.balloons) {
        if (balloon.onClick) {
          balloon.onClick();
        }
      }
      const bool reported =
          !c.balloons.empty() && c.balloons.back().rfind(texts::kBalloonTitle, 0) != 0;
      EXPECT_EQ(settingsOpened, reported ? 1 : 0);
    }
    EXPECT_EQ(g_settings.hotkey, c.hotkey);
    EXPECT_EQ(g_settings.hotkeyMask, c.hotkeyMask);
  }
}

TEST_F(TrayPresenceTest, AKeyKeptInTheDialogGoesIntoTheSettingsAndTheMenuAndItsPressShows) {
  g_settings.help_start = 1;
  FakeIcon icon;
  std::vector<HotKeyCombination> asked;
  auto way = std::make_unique<AnsweringWay>(HotKeyAnswer::Held, asked);
  AnsweringWay* wayHeard = way.get();
  int shown = 0;
  TrayPresence presence(
      icon, std::move(way), [&shown] { ++shown; }, [] {});
  presence.Start();
  wayHeard->pressed();
  EXPECT_EQ(shown, 1);

  presence.HotKey().Try({'J', 6});
  EXPECT_EQ(icon.showEntry, "表示(&S)\tAlt + Space");  // a try alone changes nothing
  presence.HotKey().Keep();
  EXPECT_EQ(icon.showEntry, "表示(&S)\tCtrl + Shift + J");
  EXPECT_EQ(g_settings.hotkey, 'J');
  EXPECT_EQ(g_settings.hotkeyMask, 6);
  EXPECT_TRUE(icon.balloons.empty());
  EXPECT_EQ(asked, (std::vector<HotKeyCombination>{{0x20, 1}, {'J', 6}}));
}

}  // namespace
