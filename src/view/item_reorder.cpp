// Moving the selected rows up or down inside the shown group. Only rows and order values
// change; the items keep their places in the collection. Order values wrap around like
// the unsigned 32-bit numbers they are.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "store/vostek_item.h"
#include "view/launcher_view.h"
#include "view/list_control.h"
#include "view/selected_rows.h"

namespace {

constexpr unsigned kSelectedFocused = LVIS_SELECTED | LVIS_FOCUSED;

void ShiftOrders(const ListControl& list, int firstRow, int lastRow, std::uint32_t delta) {
  for (int row = firstRow; row <= lastRow; ++row) {
    VostekItem* item = list.GetItemData(row);
    item->SetOrder(item->GetOrder() + delta);
  }
}

}  // namespace

// Each selected row rises until it sits directly below the previous selected one; the
// first rises by one unless it is already at the top.
void LauncherView::OnItemUp() {
  if (!OnUpdateItemMove()) {
    return;
  }
  const std::vector<int> rows = SelectedRows(m_list);
  if (rows.empty()) {
    return;
  }
  const int first = rows.front();
  VostekItem* firstItem = m_list.GetItemData(first);
  const std::uint32_t order = firstItem->GetOrder();
  std::uint32_t nextOrder = order + 1;
  int previous = 0;
  if (first > 0) {
    InsertListItem(first - 1, firstItem);
    m_list.SetItemState(first - 1, kSelectedFocused, kSelectedFocused);
    m_list.DeleteItem(first + 1);
    firstItem->SetOrder(order - 1);
    m_list.GetItemData(first)->SetOrder(order);
    nextOrder = order;
    previous = first - 1;
  }
  for (std::size_t k = 1; k < rows.size(); ++k) {
    const int row = rows[k];
    const int target = previous + 1;
    if (row > target) {
      VostekItem* item = m_list.GetItemData(row);
      InsertListItem(target, item);
      m_list.DeleteItem(row + 1);
      m_list.SetItemState(target, LVIS_SELECTED, LVIS_SELECTED);
      item->SetOrder(nextOrder);
      ShiftOrders(m_list, target + 1, row, 1);
      previous = target;
    } else {
      previous = row;
    }
    ++nextOrder;
  }
  const int shown = m_list.GetNextSelected(-1);
  if (shown >= 0) {
    m_list.EnsureVisible(shown);
  }
}

// The mirror image of OnItemUp, worked from the last selected row.
void LauncherView::OnItemDown() {
  if (!OnUpdateItemMove()) {
    return;
  }
  const std::vector<int> rows = SelectedRows(m_list);
  if (rows.empty()) {
    return;
  }
  const int last = rows.back();
  VostekItem* lastItem = m_list.GetItemData(last);
  const std::uint32_t order = lastItem->GetOrder();
  std::uint32_t nextOrder = order - 1;
  int previous = last;
  if (last < m_list.GetItemCount() - 1) {
    InsertListItem(last + 2, lastItem);
    m_list.SetItemState(last + 2, kSelectedFocused, kSelectedFocused);
    m_list.DeleteItem(last);
    lastItem->SetOrder(order + 1);
    m_list.GetItemData(last)->SetOrder(order);
    nextOrder = order;
    previous = last + 1;
  }
  for (std::size_t k = rows.size() - 1; k-- > 0;) {
    const int row = rows[k];
    const int target = previous - 1;
    if (row < target) {
      VostekItem* item = m_list.GetItemData(row);
      InsertListItem(previous, item);
      m_list.SetItemState(previous, LVIS_SELECTED, LVIS_SELECTED);
      m_list.DeleteItem(row);
      item->SetOrder(nextOrder);
      ShiftOrders(m_list, row, target - 1, static_cast<std::uint32_t>(-1));
      previous = target;
    } else {
      previous = row;
    }
    --nextOrder;
  }
  m_list.EnsureVisible(last);
}
