#include "app/command_line.h"

#include <algorithm>
#include <string_view>

#include "resources/command_line_texts.h"
#include "store/fill_text.h"

namespace {

constexpr char kProgram[] = "vostek";

bool Contains(const std::vector<std::string>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// "-name" or "--name" without its dashes, or empty for anything else.
std::string_view ToolkitName(std::string_view argument) {
  if (argument.size() < 2 || argument[0] != '-') {
    return {};
  }
  argument.remove_prefix(argument[1] == '-' ? 2 : 1);
  return argument.substr(0, argument.find('='));
}

CommandLine Failure(const texts::CommandLineText& text, MessageLanguage language,
                    std::string_view argument) {
  CommandLine result;
  result.action = CommandAction::Error;
  const bool japanese = language == MessageLanguage::Japanese;
  result.error = std::string(kProgram) + ": " +
                 FillText(japanese ? text.japanese : text.english, {argument}) +
                 (japanese ? texts::kSeeHelpJapanese : texts::kSeeHelpEnglish);
  return result;
}

struct Reader {
  const std::vector<std::string>& arguments;
  const ToolkitOptions& toolkit;
  MessageLanguage language;
  std::size_t next = 0;
  CommandLine result;

  // False once the line is found wrong; `result` then holds the error.
  bool Ask(CommandAction action, const std::string& option) {
    if (result.action != CommandAction::Run) {
      result = Failure(texts::kOnlyOneOption, language, option);
      return false;
    }
    result.action = action;
    return true;
  }

  bool ReadAutostart(const std::string& argument) {
    std::string value;
    if (argument.starts_with("--autostart=")) {
      value = argument.substr(argument.find('=') + 1);
    } else if (next < arguments.size()) {
      value = arguments[next++];
    }
    if (value != "on" && value != "off") {
      result = Failure(texts::kAutostartValue, language, {});
      return false;
    }
    result.autostartOn = value == "on";
    return Ask(CommandAction::Autostart, "--autostart");
  }

  bool ReadOne() {
    const std::string& argument = arguments[next++];
    if (argument == "--help" || argument == "-h") {
      return Ask(CommandAction::Help, argument);
    }
    if (argument == "--version") {
      return Ask(CommandAction::Version, argument);
    }
    if (argument == "--show") {
      return Ask(CommandAction::Show, argument);
    }
    if (argument == "--toggle") {
      return Ask(CommandAction::Toggle, argument);
    }
    if (argument == "--hide") {
      return Ask(CommandAction::Hide, argument);
    }
    if (argument == "--autostart" || argument.starts_with("--autostart=")) {
      return ReadAutostart(argument);
    }
    const std::string_view name = ToolkitName(argument);
    if (Contains(toolkit.flags, name)) {
      return true;
    }
    if (Contains(toolkit.withValue, name)) {
      if (argument.find('=') == std::string::npos) {
        ++next;  // its value, whatever it looks like
      }
      return true;
    }
    result = Failure(argument.starts_with('-') ? texts::kUnknownOption : texts::kUnexpectedArgument,
                     language, argument);
    return false;
  }
};

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments,
                             const ToolkitOptions& toolkit, MessageLanguage language) {
  Reader reader{arguments, toolkit, language, 0, {}};
  while (reader.next < arguments.size()) {
    if (!reader.ReadOne()) {
      break;
    }
  }
  return reader.result;
}

std::string HelpText(MessageLanguage language) {
  return language == MessageLanguage::Japanese ? texts::kHelpJapanese : texts::kHelpEnglish;
}

std::string VersionText() {
  return std::string("vostek ") + VOSTEK_VERSION + "\n";
}
