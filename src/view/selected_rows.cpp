#include "view/selected_rows.h"

#include "view/list_control.h"

std::vector<int> SelectedRows(const ListControl& list) {
  std::vector<int> rows;
  for (int row = list.GetNextSelected(-1); row >= 0; row = list.GetNextSelected(row)) {
    rows.push_back(row);
  }
  return rows;
}
