#include "app/command_line.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

struct Case {
  std::vector<std::string> arguments;
  CommandAction action;
  bool autostartOn = false;
  const char* error = "";          // a part of the error line
  const char* japaneseError = "";  // the same part in Japanese
};

TEST(CommandLineTest, ReadsEachOptionAndRefusesEverythingElseInOneLine) {
  const ToolkitOptions qt{{"platform", "session"}, {"reverse"}};
  const std::vector<Case> cases = {
      {{}, CommandAction::Run},
      {{"--help"}, CommandAction::Help},
      {{"-h"}, CommandAction::Help},
      {{"--version"}, CommandAction::Version},
      {{"--show"}, CommandAction::Show},
      {{"--toggle"}, CommandAction::Toggle},
      {{"--hide"}, CommandAction::Hide},
      {{"--autostart", "on"}, CommandAction::Autostart, true},
      {{"--autostart=off"}, CommandAction::Autostart, false},
      // The toolkit's options pass, with their values, in either spelling.
      {{"-platform", "offscreen", "-reverse", "--session=abc", "--show"}, CommandAction::Show},
      {{"-session", "--help"}, CommandAction::Run},
      {{"--autostart"},
       CommandAction::Error,
       false,
       "vostek: --autostart takes on or off",
       "vostek: --autostart には on か off を付けてください"},
      {{"--autostart", "yes"},
       CommandAction::Error,
       false,
       "--autostart takes on or off",
       "--autostart には on か off"},
      {{"--autostart=", "on"},
       CommandAction::Error,
       false,
       "--autostart takes on or off",
       "--autostart には on か off"},
      {{"--frobnicate"},
       CommandAction::Error,
       false,
       "unknown option --frobnicate",
       "--frobnicate というオプションはありません"},
      {{"-help"}, CommandAction::Error, false, "unknown option -help", "-help というオプション"},
      {{"--Help"}, CommandAction::Error, false, "unknown option --Help", "--Help というオプション"},
      {{"-"}, CommandAction::Error, false, "unknown option -", "- というオプション"},
      {{"items.vkd"},
       CommandAction::Error,
       false,
       "unexpected argument items.vkd",
       "items.vkd は受け付けない引数です"},
      {{"--show", "--hide"},
       CommandAction::Error,
       false,
       "only one option at a time, but --hide",
       "オプションは一度に一つだけです（--hide が"},
      {{"--help", "--help"},
       CommandAction::Error,
       false,
       "only one option at a time",
       "一度に一つ"},
      {{"--version", "--bogus"},
       CommandAction::Error,
       false,
       "unknown option --bogus (see vostek --help)",
       "--bogus というオプションはありません（使い方は vostek --help"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    const CommandLine line = ParseCommandLine(c.arguments, qt);
    EXPECT_EQ(line.action, c.action);
    if (c.action == CommandAction::Autostart) {
      EXPECT_EQ(line.autostartOn, c.autostartOn);
    }
    EXPECT_NE(line.error.find(c.error), std::string::npos) << line.error;
    EXPECT_EQ(line.error.find('\n'), std::string::npos);
    EXPECT_EQ(line.error.empty(), c.action != CommandAction::Error);
    // The same reading, told in Japanese.
    const CommandLine japanese = ParseCommandLine(c.arguments, qt, MessageLanguage::Japanese);
    EXPECT_EQ(japanese.action, c.action);
    EXPECT_NE(japanese.error.find(c.japaneseError), std::string::npos) << japanese.error;
    EXPECT_EQ(japanese.error.find('\n'), std::string::npos);
    EXPECT_EQ(japanese.error.empty(), c.action != CommandAction::Error);
  }
}

TEST(CommandLineTest, HelpNamesEveryOptionInEitherLanguage) {
  for (const auto& [language, words] : {std::pair{MessageLanguage::English, "Usage: vostek"},
                                        std::pair{MessageLanguage::Japanese, "使い方: vostek"}}) {
    const std::string help = HelpText(language);
    EXPECT_TRUE(help.starts_with(words)) << help;
    for (const char* option :
         {"--show", "--toggle", "--hide", "--autostart on", "--autostart off", "--help", "-h",
          "--version", "VOSTEK_HOME", "XDG_DATA_HOME", "man vostek"}) {
      EXPECT_NE(help.find(option), std::string::npos) << option;
    }
  }
}

TEST(CommandLineTest, MessagesAreJapaneseInAJapaneseLocaleAsTheCLibraryChooses) {
  struct LocaleCase {
    LocaleVariables variables;  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
    MessageLanguage expected;
  };
  constexpr auto en = MessageLanguage::English;
  constexpr auto ja = MessageLanguage::Japanese;
  const std::vector<LocaleCase> cases = {
      {{"", "", "", ""}, en},
      {{"", "", "", "ja_JP.UTF-8"}, ja},
      {{"", "", "", "ja_JP.utf8"}, ja},
      {{"", "", "", "ja_JP"}, ja},
      {{"", "", "", "ja"}, ja},
      {{"", "", "", "JA_JP.UTF-8@modifier"}, ja},
      {{"", "", "", "en_US.UTF-8"}, en},
      {{"", "", "", "jam_JM.UTF-8"}, en},
      {{"", "", "", "C.UTF-8"}, en},
      // LC_ALL before LC_MESSAGES before LANG.
      {{"", "C", "ja_JP.UTF-8", "ja_JP.UTF-8"}, en},
      {{"", "ja_JP.UTF-8", "en_US.UTF-8", "en_US.UTF-8"}, ja},
      {{"", "", "ja_JP.UTF-8", "en_US.UTF-8"}, ja},
      {{"", "", "en_GB.UTF-8", "ja_JP.UTF-8"}, en},
      // LANGUAGE stands for the locale's language, except in the C locale.
      {{"ja:en", "", "", "en_US.UTF-8"}, ja},
      {{"fr:ja", "", "", "en_US.UTF-8"}, ja},
      {{"en:ja", "", "", "ja_JP.UTF-8"}, en},
      {{"fr", "", "", "ja_JP.UTF-8"}, en},
      {{"ja", "", "", ""}, en},
      {{"ja", "POSIX", "", ""}, en},
      // A terminal of another character set would garble Japanese.
      {{"", "", "", "ja_JP.eucJP"}, en},
      {{"ja", "", "", "ja_JP.SJIS"}, en},
  };
  for (const LocaleCase& c : cases) {
    SCOPED_TRACE(c.variables.language + "|" + c.variables.lcAll + "|" + c.variables.lcMessages +
                 "|" + c.variables.lang);
    EXPECT_EQ(MessageLanguageOf(c.variables), c.expected);
  }
}

}  // namespace
