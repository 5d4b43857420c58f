#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  std::vector<std::string> arguments;
  CommandAction action;
  bool autostartOn = false;
  const char* error = "";  // a part of the error line
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
      {{"--autostart"}, CommandAction::Error, false, "vostek: --autostart takes on or off"},
      {{"--autostart", "yes"}, CommandAction::Error, false, "--autostart takes on or off"},
      {{"--autostart=", "on"}, CommandAction::Error, false, "--autostart takes on or off"},
      {{"--frobnicate"}, CommandAction::Error, false, "unknown option --frobnicate"},
      {{"-help"}, CommandAction::Error, false, "unknown option -help"},
      {{"--Help"}, CommandAction::Error, false, "unknown option --Help"},
      {{"-"}, CommandAction::Error, false, "unknown option -"},
      {{"items.vkd"}, CommandAction::Error, false, "unexpected argument items.vkd"},
      {{"--show", "--hide"}, CommandAction::Error, false, "only one option at a time"},
      {{"--help", "--help"}, CommandAction::Error, false, "only one option at a time"},
      {{"--version", "--bogus"}, CommandAction::Error, false, "unknown option --bogus"},
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
  }
}

TEST(CommandLineTest, HelpNamesEveryOption) {
  const std::string help = HelpText();
  for (const char* option : {"--show", "--toggle", "--hide", "--autostart on", "--autostart off",
                             "--help", "-h", "--version", "VOSTEK_HOME", "XDG_DATA_HOME"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
}

}  // namespace
