// The commands the view carries out, each with its enabling rule.

#include <array>

#include "app/globals.h"
#include "resources/command_ids.h"
#include "store/vostek_data.h"
#include "view/launcher_view.h"
#include "view/list_control.h"
#include "view/shown_view.h"

namespace {

using Handler = void (LauncherView::*)();
using Rule = bool (LauncherView::*)() const;

struct Command {
  int id;
  Handler handler;
  Rule rule;  // null: always enabled
};

constexpr std::array kCommands{
    Command{ID_ITEM_LAUNCH, &LauncherView::OnItemLaunch, &LauncherView::OnUpdateItemSelected},
    Command{ID_ITEM_OPENFOLDER, &LauncherView::OnItemOpenFolder,
            &LauncherView::OnUpdateItemSelected},
    Command{ID_ITEM_RENAME, &LauncherView::OnItemRename, &LauncherView::OnUpdateItemSelected},
    Command{ID_ITEM_REMOVE, &LauncherView::OnItemRemove, &LauncherView::OnUpdateItemSelected},
    Command{ID_ITEM_UP, &LauncherView::OnItemUp, &LauncherView::OnUpdateItemMove},
    Command{ID_ITEM_DOWN, &LauncherView::OnItemDown, &LauncherView::OnUpdateItemMove},
    Command{ID_FILE_ADD, &LauncherView::OnFileAdd, nullptr},
    Command{ID_GROUP_PREV, &LauncherView::OnGroupPrev, &LauncherView::OnUpdateGroupCycle},
    Command{ID_GROUP_NEXT, &LauncherView::OnGroupNext, &LauncherView::OnUpdateGroupCycle},
    Command{ID_GROUP_NEW, &LauncherView::OnGroupNew, nullptr},
    Command{ID_GROUP_RENAME, &LauncherView::OnGroupRename, &LauncherView::OnUpdateGroupEdit},
    Command{ID_GROUP_DELETE, &LauncherView::OnGroupDelete, &LauncherView::OnUpdateGroupEdit},
    Command{ID_HIDE, &LauncherView::OnHide, nullptr},
    Command{ID_VIEW_ICON, &LauncherView::OnViewIcon, nullptr},
    Command{ID_VIEW_POPULAR, &LauncherView::OnViewPopular, nullptr},
    Command{ID_VIEW_RECENT, &LauncherView::OnViewRecent, nullptr},
    Command{ID_STAYGROUP, &LauncherView::OnStayGroup, nullptr},
    Command{ID_AUTOHIDE, &LauncherView::OnAutoHide, nullptr},
};

const Command* FindCommand(int id) {
  for (const Command& command : kCommands) {
    if (command.id == id) {
      return &command;
    }
  }
  return nullptr;
}

// Ids of groups above 255 lie beyond the range and have no handler.
bool IsMoveToGroup(int id) {
  return id >= ID_MOVE_TO_GROUP && id <= ID_MOVE_TO_GROUP_LAST;
}

}  // namespace

bool LauncherView::OnUpdateItemSelected() const {
  return m_list.GetSelectedCount() > 0;
}

bool LauncherView::OnUpdateItemMove() const {
  return ShowsGroupView() && m_list.GetSelectedCount() > 0;
}

bool LauncherView::OnUpdateGroupEdit() const {
  return ShowsGroupView();
}

bool LauncherView::OnUpdateGroupCycle() const {
  return !(g_settings.recent == 0 && g_settings.popular == 0 && g_data->GetGroupCount() == 1);
}

bool LauncherView::IsCommandEnabled(int id) const {
  if (IsMoveToGroup(id)) {
    return true;
  }
  const Command* command = FindCommand(id);
  if (command == nullptr) {
    return false;
  }
  return command->rule == nullptr || (this->*command->rule)();
}

bool LauncherView::RunCommand(int id) {
  if (IsMoveToGroup(id)) {
    OnMoveToGroup(id);
    return true;
  }
  const Command* command = FindCommand(id);
  if (command == nullptr) {
    return false;
  }
  if (command->rule == nullptr || (this->*command->rule)()) {
    (this->*command->handler)();
  }
  return true;
}
