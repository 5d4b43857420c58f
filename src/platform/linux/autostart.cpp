#include "platform/linux/autostart.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string_view>

#include "platform/linux/atomic_file.h"
#include "platform/linux/xdg_folders.h"
#include "resources/command_line_texts.h"
#include "store/fill_text.h"

namespace {

constexpr char kEntryName[] = "vostek.desktop";

bool IsPlainPathCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         std::strchr("/._-+,:@", c) != nullptr;
}

std::string EntryText(const std::string& program) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=VOSTEK\n"
         "Comment=Start VOSTEK in the system tray at login\n"
         "Comment[ja]=ログイン時に VOSTEK をシステムトレイに常駐させます\n"
         "Exec=" +
         DesktopExecValue(program) +
         "\n"
         "Icon=vostek\n"
         "Terminal=false\n"
         "X-GNOME-Autostart-enabled=true\n";
}

}  // namespace

std::string AutostartEntryPath() {
  const std::string config = XdgBaseFolder("XDG_CONFIG_HOME", ".config");
  return config.empty() ? std::string() : config + "/autostart/" + kEntryName;
}

std::string DesktopExecValue(const std::string& program) {
  bool plain = !program.empty();
  for (const char c : program) {
    plain = plain && IsPlainPathCharacter(c);
  }
  if (plain) {
    return program;
  }
  // Inside the quotes ", `, $ and \ take a backslash; then the value as a whole
  // doubles every backslash, and a % stands for itself only when doubled.
  std::string value = "\"";
  for (const char c : program) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') {
      value += "\\\\";
    }
    if (c == '\\') {
      value += "\\\\";
    } else if (c == '%') {
      value += "%%";
    } else if (c == '\n') {
      value += "\\n";
    } else {
      value += c;
    }
  }
  return value + "\"";
}

bool SetAutostart(bool on, const std::string& program, std::string* report,
                  MessageLanguage language) {
  // The line for the user, errors named after the program as its other errors are.
  const auto say = [report, language](const texts::CommandLineText& text,
                                      std::initializer_list<std::string_view> fillers, bool done) {
    const char* format = language == MessageLanguage::Japanese ? text.japanese : text.english;
    *report = (done ? "" : "vostek: ") + FillText(format, fillers);
    return done;
  };
  const std::string path = AutostartEntryPath();
  if (path.empty()) {
    return say(texts::kAutostartNoHome, {}, false);
  }
  if (!on) {
    if (std::remove(path.c_str()) == 0) {
      return say(texts::kAutostartOff, {path}, true);
    }
    if (errno == ENOENT) {
      return say(texts::kAutostartWasOff, {path}, true);
    }
    return say(texts::kAutostartCannotRemove, {path, std::strerror(errno)}, false);
  }
  std::string error;
  if (!MakePrivateFolder(path.substr(0, path.rfind('/')), &error) ||
      !WriteFileAtomically(path, EntryText(program), &error)) {
    return say(texts::kAutostartCannotWrite, {path, error}, false);
  }
  return say(texts::kAutostartOn, {path}, true);
}
