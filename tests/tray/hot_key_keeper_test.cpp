#include "tray/hot_key_keeper.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "tray/hot_key_texts.h"

namespace {

// A way that records what it is asked and answers when the test says.
class FakeWay : public HotKeyWay {
 public:
  explicit FakeWay(std::vector<HotKeyCombination>& asked) : m_asked(asked) {}
  void Take(const HotKeyCombination& combination) override { m_asked.push_back(combination); }

 private:
  std::vector<HotKeyCombination>& m_asked;
};

constexpr HotKeyCombination kAltSpace{0x20, 1};
constexpr HotKeyCombination kCtrlAltK{'K', 3};
constexpr HotKeyCombination kCtrlAltJ{'J', 3};

struct Answer {
  HotKeyAnswer answer;
  const char* desktopName;
};

// One step of a run: an ask of the keeper (or none), then answers from the way.
struct Step {
  enum { Start, Try, Keep, GoBack, Rename, None } action;
  HotKeyCombination combination;
  std::vector<Answer> answers;
};

struct Outcome {
  std::string reports;  // the answers reported as unavailable, one letter each
  std::string tries;    // "<name>:<answer letter>[=desktop name]" per try answered
  HotKeyCombination inForce;
  std::string inForceName;
  bool held;
  std::vector<HotKeyCombination> asked;
};

char Letter(HotKeyAnswer answer) {
  return answer == HotKeyAnswer::Held ? 'H' : answer == HotKeyAnswer::Taken ? 'T' : 'N';
}

// The dialog's part: what it hears of each try.
class TriesHeard : public HotKeyChooser {
 public:
  explicit TriesHeard(std::string& tries) : m_tries(tries) {}
  void Capture(const HotKeyCombination& /*combination*/) override {}
  void OnTried(const HotKeyCombination& tried, HotKeyAnswer answer,
               const std::string& name) override {
    m_tries +=
        CombinationName(tried) + ":" + Letter(answer) + (name.empty() ? "" : "=" + name) + " ";
  }

 private:
  std::string& m_tries;
};

Outcome RunSteps(bool withWay, const std::vector<Step>& steps) {
  Outcome outcome;
  auto way = std::make_unique<FakeWay>(outcome.asked);
  FakeWay* fake = way.get();
  HotKeyKeeper keeper(withWay ? std::move(way) : nullptr, kAltSpace);
  keeper.unavailable = [&](HotKeyAnswer answer) { outcome.reports += Letter(answer); };
  TriesHeard chooser(outcome.tries);
  keeper.SetChooser(&chooser);
  for (const Step& step : steps) {
    switch (step.action) {
      case Step::Start:
        keeper.Start();
        break;
      case Step::Try:
        keeper.Try(step.combination);
        break;
      case Step::Keep:
        keeper.Keep();
        break;
      case Step::GoBack:
        keeper.GoBack();
        break;
      case Step::Rename:
        fake->renamed("Meta+K");
        break;
      case Step::None:
        break;
    }
    for (const Answer& answer : step.answers) {
      fake->answered(answer.answer, answer.desktopName);
    }
  }
  outcome.inForce = keeper.InForce();
  outcome.inForceName = keeper.InForceName();
  outcome.held = keeper.IsHeld();
  return outcome;
}

TEST(HotKeyKeeperTest, AsksReportsOnceAndKeepsOnlyWhatWasGrantedAndKept) {
  constexpr auto H = HotKeyAnswer::Held;
  constexpr auto T = HotKeyAnswer::Taken;
  struct Case {
    const char* what;
    bool withWay;
    std::vector<Step> steps;
    const char* reports;
    const char* tries;
    HotKeyCombination inForce;
    const char* inForceName;
    bool held;
  };
  const Case cases[] = {
      {"granted at start",
       true,
       {{Step::Start, {}, {{H, ""}}}},
       "",
       "",
       kAltSpace,
       "Alt + Space",
       true},
      {"taken at start is reported once, also when asked again",
       true,
       {{Step::Start, {}, {{T, ""}}}, {Step::GoBack, {}, {{T, ""}}}},
       "T",
       "",
       kAltSpace,
       "Alt + Space",
       false},
      {"no way on this desktop",
       false,
       {{Step::Start, {}, {}}, {Step::Try, kCtrlAltK, {}}},
       "N",
       "Ctrl + Alt + K:N ",
       kAltSpace,
       "Alt + Space",
       false},
      {"a try granted and kept, named by the desktop",
       true,
       {{Step::Start, {}, {{T, ""}}},
        {Step::Try, kCtrlAltK, {{H, "Ctrl+Alt+K"}}},
        {Step::Keep, {}, {}}},
       "T",
       "Ctrl + Alt + K:H=Ctrl+Alt+K ",
       kCtrlAltK,
       "Ctrl+Alt+K",
       true},
      {"a try granted but not kept goes back",
       true,
       {{Step::Start, {}, {{H, ""}}},
        {Step::Try, kCtrlAltK, {{H, ""}}},
        {Step::GoBack, {}, {{H, ""}}}},
       "",
       "Ctrl + Alt + K:H ",
       kAltSpace,
       "Alt + Space",
       true},
      {"only the answer to the latest try counts",
       true,
       {{Step::Start, {}, {{H, ""}}},
        {Step::Try, kCtrlAltK, {}},
        {Step::Try, kCtrlAltJ, {{H, ""}, {T, ""}}}},
       "",
       "Ctrl + Alt + J:T ",
       kAltSpace,
       "Alt + Space",
       true},
      {"none is granted without asking and kept as no key",
       true,
       {{Step::Start, {}, {{H, ""}}}, {Step::Try, {}, {}}, {Step::Keep, {}, {}}},
       "",
       "なし:H ",
       {},
       "",
       false},
      {"the desktop's rebinding renames the key in force",
       true,
       {{Step::Start, {}, {{H, "Ctrl+Space"}}}, {Step::Rename, {}, {}}},
       "",
       "",
       kAltSpace,
       "Meta+K",
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Outcome outcome = RunSteps(c.withWay, c.steps);
    EXPECT_EQ(outcome.reports, c.reports);
    EXPECT_EQ(outcome.tries, c.tries);
    EXPECT_EQ(outcome.inForce, c.inForce);
    EXPECT_EQ(outcome.inForceName, c.inForceName);
    EXPECT_EQ(outcome.held, c.held);
  }
}

TEST(HotKeyKeeperTest, KeyPressesMakeCombinationsOnceTheKeyIsNoModifier) {
  struct Case {
    int virtualKey;
    int modFlags;
    std::optional<HotKeyCombination> combination;
  };
  const Case cases[] = {
      {'K', 3, HotKeyCombination{'K', 3}},
      {0x20, 8 | 0x4000, HotKeyCombination{0x20, 8}},  // only the four flags count
      {0x7B, 0, HotKeyCombination{0x7B, 0}},           // a bare key is a combination
      {0x12, 1, std::nullopt},                         // Alt on its way to the key
      {0xA2, 2, std::nullopt},                         // left Ctrl
      {0x5B, 8, std::nullopt},                         // the Windows key
      {0, 1, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.virtualKey);
    EXPECT_EQ(CombinationOfKeyPress(c.virtualKey, c.modFlags), c.combination);
  }
  EXPECT_TRUE(CombinationOfSettings(0, 1).IsNone());
  EXPECT_EQ(CombinationOfSettings(0x120, 0x4001), kAltSpace);
}

}  // namespace
