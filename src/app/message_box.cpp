#include "app/message_box.h"

#include <iostream>
#include <utility>

namespace {
MessageBoxHandler& CurrentHandler() {
  static MessageBoxHandler handler;
  return handler;
}
}  // namespace

bool ShowMessageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) {
  if (const MessageBoxHandler& handler = CurrentHandler()) {
    return handler(text, buttons, icon);
  }
  std::cerr << "VOSTEK: " << text << '\n';
  return true;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(CurrentHandler(), std::move(handler));
}
