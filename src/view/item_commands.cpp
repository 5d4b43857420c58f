// Commands on the selected items: opening, removing, renaming, moving to another group,
// the move-to-group sub-menu and the mouse gestures that lead to them.

#include <cstdint>
#include <memory>

#include "app/globals.h"
#include "app/message_box.h"
#include "resources/command_ids.h"
#include "resources/texts.h"
#include "store/vostek_data.h"
#include "store/vostek_item.h"
#include "view/launcher_view.h"
#include "view/list_control.h"
#include "view/selected_rows.h"
#include "view/shown_view.h"
#include "view/view_host.h"

namespace {

enum class OpenAction { LaunchUnlessShift, OpenFolder };

// Opens every selected item in row order, then hides; with no selection nothing at all
// happens and the window stays. The rows are taken before the first is opened.
void OpenSelected(ListControl& list, ViewHost& host, DesktopShell& shell, OpenAction action,
                  LauncherView& view) {
  const std::vector<int> rows = SelectedRows(list);
  if (rows.empty()) {
    return;
  }
  for (const int row : rows) {
    if (VostekItem* item = list.GetItemData(row)) {
      if (action == OpenAction::OpenFolder || host.IsShiftDown()) {
        item->OpenFolder(shell);
      } else {
        item->Launch(shell);
      }
    }
  }
  view.OnHide();
}

}  // namespace

void LauncherView::OnItemLaunch() {
  OpenSelected(m_list, m_host, m_shell, OpenAction::LaunchUnlessShift, *this);
}

void LauncherView::OnItemOpenFolder() {
  OpenSelected(m_list, m_host, m_shell, OpenAction::OpenFolder, *this);
}

void LauncherView::OnItemRemove() {
  const std::vector<int> rows = SelectedRows(m_list);
  // From the last row up, so the rows still to remove keep their indexes.
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    const VostekItem* item = m_list.GetItemData(*row);
    const int index = g_data->FindItem(item);
    m_list.DeleteItem(*row);
    if (index >= 0) {
      g_data->RemoveItemAt(index);  // the returned item and its ID list die here
    }
  }
}

void LauncherView::OnItemRename() {
  const int row = m_list.GetNextSelected(-1);
  if (row >= 0) {
    m_list.EditLabel(row);
  }
}

void LauncherView::OnEndLabelEdit(int row, const std::optional<std::string>& text) {
  if (!text || text->empty() || row < 0 || row >= m_list.GetItemCount()) {
    return;
  }
  if (VostekItem* item = m_list.GetItemData(row)) {
    item->SetName(*text);  // as typed: blanks are a name too
    m_list.SetItemText(row, *text);
  }
}

void LauncherView::OnMoveToGroup(int commandId) {
  const int target = commandId - ID_MOVE_TO_GROUP;
  if (target < 0 || target >= g_data->GetGroupCount()) {
    return;  // an item filed in a group that does not exist could never be shown again
  }
  std::uint32_t order = 0;
  for (int i = 0; i < g_data->GetItemCount(); ++i) {
    if (g_data->GetItem(i)->GetGroup() == target) {
      ++order;
    }
  }
  // The automatic views show items of every group, and the shown group keeps what is
  // moved into it: there the moved items stay in the view and the list is rebuilt.
  const bool staysShown = !ShowsGroupView() || target == g_curGroup;
  const std::vector<int> rows = SelectedRows(m_list);
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    VostekItem* item = m_list.GetItemData(*row);
    if (item == nullptr) {
      continue;
    }
    item->SetGroup(target);
    item->SetOrder(order++);
    if (!staysShown) {
      m_list.DeleteItem(*row);
    }
  }
  if (staysShown && !rows.empty()) {
    RefreshList();
  }
}

void LauncherView::OnFileAdd() {
  ShowMessageBox(texts::kAddFileHint);
}

MoveToGroupMenu LauncherView::BuildMoveToGroupMenu() const {
  MoveToGroupMenu menu;
  const int groups = g_data->GetGroupCount();
  if (groups <= 1 || m_list.GetSelectedCount() == 0) {
    menu.greyed = true;
    return menu;
  }
  for (int group = 0; group < groups; ++group) {
    if (group == g_curGroup) {
      continue;
    }
    const int id = ID_MOVE_TO_GROUP + group;
    menu.entries.push_back({g_data->GetGroupName(group), id, id <= ID_MOVE_TO_GROUP_LAST});
  }
  return menu;
}

void LauncherView::OnMButtonDown(int row) {
  m_list.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (row >= 0 && row < m_list.GetItemCount()) {
    m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
}

void LauncherView::OnMButtonUp() {
  if (m_wheelSwitched) {
    m_wheelSwitched = false;
    return;
  }
  OnItemOpenFolder();
}
