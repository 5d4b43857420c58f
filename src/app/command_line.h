#pragma once

#include <string>
#include <vector>

#include "app/message_language.h"

// What one start of the program is asked to do.
enum class CommandAction {
  Run,        // no options: start and wait in the tray
  Help,       // --help, -h
  Version,    // --version
  Autostart,  // --autostart on|off
  Show,       // --show: bring up the running instance's window (or start one)
  Toggle,     // --toggle: show the running instance's window, or hide it when shown
  Hide,       // --hide: hide the running instance's window
  Error,      // an option this program does not know, or one used wrongly
};

struct CommandLine {
  CommandAction action = CommandAction::Run;
  bool autostartOn = false;  // with Autostart: on or off
  std::string error;         // with Error: one line saying what is wrong
};

// Options of the toolkit underneath (for Qt: -platform, -display, -session, ...), let
// through untouched so that the toolkit and the desktop session can still pass them.
struct ToolkitOptions {
  std::vector<std::string> withValue;  // names without dashes; the next argument is theirs
  std::vector<std::string> flags;
};

// Reads the arguments after the program name; at most one action may be asked. Our
// options take two dashes ("-h" aside); the toolkit's take one or two, as it accepts them.
// An error is told in `language`.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments,
                             const ToolkitOptions& toolkit = {},
                             MessageLanguage language = MessageLanguage::English);

// What --help and --version print, each ending in a newline.
std::string HelpText(MessageLanguage language = MessageLanguage::English);
std::string VersionText();
