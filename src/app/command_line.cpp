#include "app/command_line.h"

#include <algorithm>
#include <string_view>

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

CommandLine Failure(std::string message) {
  CommandLine result;
  result.action = CommandAction::Error;
  result.error =
      std::string(kProgram) + ": " + std::move(message) + " (see " + kProgram + " --help)";
  return result;
}

struct Reader {
  const std::vector<std::string>& arguments;
  const ToolkitOptions& toolkit;
  std::size_t next = 0;
  CommandLine result;

  // False once the line is found wrong; `result` then holds the error.
  bool Ask(CommandAction action, const std::string& option) {
    if (result.action != CommandAction::Run) {
      result = Failure("only one option at a time, but " + option + " follows another");
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
      result = Failure("--autostart takes on or off");
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
    result = Failure(argument.starts_with('-') ? "unknown option " + argument
                                               : "unexpected argument " + argument);
    return false;
  }
};

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments,
                             const ToolkitOptions& toolkit) {
  Reader reader{arguments, toolkit, 0, {}};
  while (reader.next < arguments.size()) {
    if (!reader.ReadOne()) {
      break;
    }
  }
  return reader.result;
}

std::string HelpText() {
  return "Usage: vostek [OPTION]\n"
         "A small file launcher that waits in the system tray. Without an option it\n"
         "starts and waits there; Alt+Space or the tray icon brings up its window.\n"
         "\n"
         "  --show            bring up the window of the running VOSTEK (start one if\n"
         "                    none runs)\n"
         "  --toggle          bring up the window of the running VOSTEK, or hide it when\n"
         "                    it is shown (bind this to a key in the desktop's settings)\n"
         "  --hide            hide the window of the running VOSTEK\n"
         "  --autostart on    start VOSTEK at login (writes\n"
         "                    $XDG_CONFIG_HOME/autostart/vostek.desktop)\n"
         "  --autostart off   do not start VOSTEK at login (removes that file)\n"
         "  -h, --help        print this help and exit\n"
         "  --version         print the version and exit\n"
         "\n"
         "Files: setting.ini, items.vkd and an optional dict/ folder live in $VOSTEK_HOME\n"
         "when it is set, else in $XDG_DATA_HOME/vostek (~/.local/share/vostek).\n"
         "See man vostek for the settings.\n";
}

std::string VersionText() {
  return std::string("vostek ") + VOSTEK_VERSION + "\n";
}
