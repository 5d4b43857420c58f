#include "app/message_box.h"

#include <iostream>
#include <utility>

namespace {
MessageBoxHandler& CurrentHandler() {
  static MessageBoxHandler handler;
  return handler;
}

int g_timeLimitSeconds = 0;

}  // namespace

bool ShowMessageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) {
  if (const MessageBoxHandler& handler = CurrentHandler()) {
    return handler(text, buttons, icon);
  }
  WriteMessageToStandardError(text);
  return true;
}

void WriteMessageToStandardError(const std::string& text) {
  std::cerr << "VOSTEK: " << text << std::endl;
}

void SetMessageTimeLimit(int seconds) {
  g_timeLimitSeconds = seconds;
}

int MessageTimeLimit() {
  return g_timeLimitSeconds;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(CurrentHandler(), std::move(handler));
}
