#pragma once

#include <functional>
#include <string>

// Every message to the user goes through here, captioned "VOSTEK". The program
// installs a handler that shows a real message box; tests install one that records.
enum class MessageIcon { None, Warning };
// RetryCancel: 再試行 and キャンセル, for something that failed and may work once the user
// has mended its cause.
enum class MessageButtons { Ok, OkCancel, RetryCancel };

using MessageBoxHandler =
    std::function<bool(const std::string& text, MessageButtons buttons, MessageIcon icon)>;

// Returns true when the user answered OK (再試行 for RetryCancel).
bool ShowMessageBox(const std::string& text, MessageButtons buttons = MessageButtons::Ok,
                    MessageIcon icon = MessageIcon::None);

// Writes the message to standard error, as it is written without a handler.
void WriteMessageToStandardError(const std::string& text);

// From now on, a message left unanswered closes itself after `seconds` (0: never), as
// if cancelled: for an exit where nobody may be there to answer.
void SetMessageTimeLimit(int seconds);
int MessageTimeLimit();

// Replaces the handler; returns the one it replaced. Without a handler, messages go
// to standard error and count as OK.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
