// Dropped objects become items of the shown group, appended to the list and selected.

#include "app/globals.h"
#include "store/vostek_data.h"
#include "view/launcher_view.h"
#include "view/list_control.h"
#include "view/view_host.h"

bool LauncherView::OnDrop(std::span<const DroppedObject> objects, ImageList& imageList) {
  if (objects.empty()) {
    return false;
  }
  // The automatic views show no group to file into: the shown group's view receives them.
  if (g_viewMode != VIEW_GROUP) {
    g_viewMode = VIEW_GROUP;
    RefreshList();
  }
  m_list.SetItemState(-1, 0, LVIS_SELECTED);
  int row = m_list.GetItemCount();
  for (const DroppedObject& object : objects) {
    const int before = g_data->GetItemCount();
    g_data->AddItem(m_shell, object.parent.get(), object.child.get(), g_viewMode, g_curGroup,
                    imageList);
    if (g_data->GetItemCount() == before) {
      continue;  // nothing was appended, so there is no new item to show
    }
    InsertListItem(row, g_data->GetItem(g_data->GetItemCount() - 1));
    m_list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    ++row;
  }
  const int last = row - 1;
  if (last >= 0) {
    m_list.EnsureVisible(last);
    m_list.SetItemState(last, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  m_host.BringToFront();
  return true;
}
