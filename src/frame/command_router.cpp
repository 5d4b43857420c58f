#include "frame/command_router.h"

void CommandRouter::AddFrameCommand(int id, std::function<void()> handler) {
  m_frameCommands[id] = std::move(handler);
}

void CommandRouter::SetViewCommands(Rule isEnabled, Runner run) {
  m_viewIsEnabled = std::move(isEnabled);
  m_viewRun = std::move(run);
}

bool CommandRouter::IsEnabled(int id) const {
  if (m_frameCommands.count(id) != 0) {
    return true;
  }
  return m_viewIsEnabled && m_viewIsEnabled(id);
}

bool CommandRouter::Run(int id) {
  const auto frameCommand = m_frameCommands.find(id);
  if (frameCommand != m_frameCommands.end()) {
    frameCommand->second();
    return true;
  }
  if (!IsEnabled(id) || !m_viewRun) {
    return false;
  }
  return m_viewRun(id);
}
