#pragma once

#include <functional>
#include <map>

// The one command table of the main window. Menus, accelerators, the toolbar and the
// tray menu all act through it: the window's own commands first (always enabled), then
// those of the list, whose enabling rules decide. A command is carried out only when
// its rule allows it at that moment.
class CommandRouter {
 public:
  using Rule = std::function<bool(int id)>;
  using Runner = std::function<bool(int id)>;

  void AddFrameCommand(int id, std::function<void()> handler);
  // The list's commands: its rule, and its runner (false for ids it does not know).
  void SetViewCommands(Rule isEnabled, Runner run);

  bool IsEnabled(int id) const;
  // Runs the command when it is enabled now; true when it ran.
  bool Run(int id);

 private:
  std::map<int, std::function<void()>> m_frameCommands;
  Rule m_viewIsEnabled;
  Runner m_viewRun;
};
