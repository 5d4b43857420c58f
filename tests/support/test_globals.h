#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/message_box.h"
#include "store/vostek_data.h"

// Records the messages meant for the user while it lives, answering each with `answer`.
class MessageRecorder {
 public:
  struct Message {
    std::string text;
    MessageButtons buttons;
    MessageIcon icon;
  };

  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  std::vector<std::string> Texts() const;

  std::vector<Message> shown;
  bool answer = true;

 private:
  MessageBoxHandler m_previous;
};

// What a test of the program's state starts from: a default collection of its own as
// g_data, the settings at their defaults, group 0 shown, and messages recorded. The
// globals are put back as they were when it goes.
class TestGlobals {
 public:
  TestGlobals();
  ~TestGlobals();
  TestGlobals(const TestGlobals&) = delete;
  TestGlobals& operator=(const TestGlobals&) = delete;

  VostekData data;
  MessageRecorder messages;

 private:
  Settings m_settings;
  ViewMode m_viewMode;
  std::int32_t m_curGroup;
  VostekData* m_data;
};

// Appends an item called `name`, filed at `order` in `group` and launched `launches`
// times, the last at `lastTime`.
VostekItem* AppendItem(VostekData& data, const std::string& name, std::int32_t group = 0,
                       std::uint32_t order = 0, int launches = 0,
                       std::int64_t lastTime = 1700000000);
