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
  // A balloon as "title|text", and "|dialog" where its click opens the hot-key dialog.
  const auto greeting = [](int key, int mods) {
    return std::string(texts::kBalloonTitle) + "|" + GreetingText(key, mods, TrayClick::Single);
  };
  const auto report = [](int key, int mods, HotKeyAnswer answer) {
    return HotKeyUnavailableTitle(key, mods) + "|" +
           HotKeyUnavailableText(key, mods, answer, TrayClick::Single) + "|dialog";
  };
  struct Case {
    const char* what;
    int hotkey, hotkeyMask, helpStart;
    std::optional<HotKeyAnswer> wayAnswers;  // none: no way to own a key
    std::vector<std::string> balloons;       // in the order shown
    std::string showEntry;
  };
  const Case cases[] = {
      {"first start, the default key had: the greeting only",
       0x20,
       1,
       0,
       HotKeyAnswer::Held,
       {greeting(0x20, 1)},
       "表示(&S)\tAlt + Space"},
      {"a later start: no greeting", 0x20, 1, 1, HotKeyAnswer::Held, {}, "表示(&S)\tAlt + Space"},
      {"first start, another program holds the key: greeting, then the report",
       'K',
       2,
       0,
       HotKeyAnswer::Taken,
       {greeting('K', 2), report('K', 2, HotKeyAnswer::Taken)},
       "表示(&S)\tCtrl + K"},
      {"no way to own a key: reported even on a later start",
       0x20,
       1,
       1,
       std::nullopt,
       {report(0x20, 1, HotKeyAnswer::NotHere)},
       "表示(&S)\tAlt + Space"},
      {"no key configured: nothing asked, nothing reported, no shortcut shown",
       0,
       1,
       0,
       HotKeyAnswer::Taken,
       {greeting(0, 1)},
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
        const int opened = settingsOpened;
        if (balloon.onClick) {
          balloon.onClick();
        }
        shown.push_back(balloon.title + "|" + balloon.text +
                        (settingsOpened > opened ? "|dialog" : ""));
      }
      EXPECT_EQ(shown, c.balloons);
      EXPECT_EQ(icon.showEntry, c.showEntry);
      EXPECT_EQ(g_settings.help_start, 1);
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
