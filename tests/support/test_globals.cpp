#include "support/test_globals.h"

#include <memory>

MessageRecorder::MessageRecorder()
    : m_previous(SetMessageBoxHandler(
          [this](const std::string& text, MessageButtons buttons, MessageIcon icon) {
            shown.push_back({text, buttons, icon});
            return answer;
          })) {}

MessageRecorder::~MessageRecorder() {
  SetMessageBoxHandler(std::move(m_previous));
}

std::vector<std::string> MessageRecorder::Texts() const {
  std::vector<std::string> texts;
  for (const Message& message : shown) {
    texts.push_back(message.text);
  }
  return texts;
}

TestGlobals::TestGlobals()
    : m_settings(g_settings), m_viewMode(g_viewMode), m_curGroup(g_curGroup), m_data(g_data) {
  data.InitDefault();
  g_data = &data;
  g_settings = Settings{};
  g_viewMode = VIEW_GROUP;
  g_curGroup = 0;
}

TestGlobals::~TestGlobals() {
  g_settings = m_settings;
  g_viewMode = m_viewMode;
  g_curGroup = m_curGroup;
  g_data = m_data;
}

VostekItem* AppendItem(VostekData& data, const std::string& name, std::int32_t group,
                       std::uint32_t order, int launches, std::int64_t lastTime) {
  auto item = std::make_unique<VostekItem>();
  item->SetName(name);
  item->SetGroup(group);
  item->SetOrder(order);
  for (int i = 0; i < launches; ++i) {
    item->RecordLaunch(lastTime);
  }
  VostekItem* raw = item.get();
  data.AppendItem(std::move(item));
  return raw;
}
