// The rebuild of the list from the collection, and the window title that goes with it.

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "app/globals.h"
#include "resources/texts.h"
#include "search/search_step.h"
#include "store/vostek_data.h"
#include "store/vostek_item.h"
#include "view/launcher_view.h"
#include "view/list_control.h"
#include "view/shown_view.h"
#include "view/view_host.h"

namespace {

constexpr char kSearchOpen[] = " > [";
constexpr char kSearchClose[] = "]";

ViewMode EffectiveMode() {
  return ShowsGroupView() ? VIEW_GROUP : g_viewMode;
}

// The items the mode shows, in display order. A stable sort keeps items with equal keys
// in collection order, which is what inserting each before the first it outranks gives.
std::vector<VostekItem*> Candidates(ViewMode mode) {
  std::vector<VostekItem*> candidates;
  const int count = g_data->GetItemCount();
  for (int i = 0; i < count; ++i) {
    VostekItem* item = g_data->GetItem(i);
    const bool taken = mode == VIEW_POPULAR  ? item->GetCount() != 0
                       : mode == VIEW_RECENT ? item->GetLastTime() != 0
                                             : item->GetGroup() == g_curGroup;
    if (taken) {
      candidates.push_back(item);
    }
  }
  switch (mode) {
    case VIEW_POPULAR:
      std::stable_sort(
          candidates.begin(), candidates.end(),
          [](const VostekItem* a, const VostekItem* b) { return a->GetCount() > b->GetCount(); });
      break;
    case VIEW_RECENT:
      std::stable_sort(candidates.begin(), candidates.end(),
                       [](const VostekItem* a, const VostekItem* b) {
                         return a->GetLastTime() > b->GetLastTime();
                       });
      break;
    case VIEW_GROUP:
      std::stable_sort(
          candidates.begin(), candidates.end(),
          [](const VostekItem* a, const VostekItem* b) { return a->GetOrder() < b->GetOrder(); });
      break;
  }
  return candidates;
}

// Keeps the candidates whose names match the search text, in their order.
std::vector<VostekItem*> Filter(MigemoDictionary& dictionary, const std::string& search,
                                const std::vector<VostekItem*>& candidates) {
  std::vector<std::string_view> names;
  names.reserve(candidates.size());
  for (const VostekItem* item : candidates) {
    names.emplace_back(item->GetName());
  }
  std::vector<VostekItem*> kept;
  for (const std::size_t position : SearchNames(dictionary, search, names)) {
    if (position < candidates.size()) {
      kept.push_back(candidates[position]);
    }
  }
  return kept;
}

std::string WindowTitle(ViewMode mode, const std::string& search) {
  const bool oneGroup = g_data->GetGroupCount() == 1;
  if (mode == VIEW_GROUP && !oneGroup) {
    const std::string& name = g_data->GetGroupName(g_curGroup);
    return search.empty() ? name + texts::kTitleSuffix : name + kSearchOpen + search + kSearchClose;
  }
  if (!search.empty()) {
    return texts::kSearchAllPrefix + search + kSearchClose;
  }
  switch (mode) {
    case VIEW_POPULAR:
      return texts::kPopularTitle;
    case VIEW_RECENT:
      return texts::kRecentTitle;
    case VIEW_GROUP:
      break;
  }
  return texts::kAppTitle;
}

}  // namespace

void LauncherView::RefreshList() {
  const ViewMode mode = EffectiveMode();
  if (g_data->IsEmpty()) {
    m_list.DeleteAllItems();
    m_host.SetTitle(WindowTitle(mode, std::string()));
    return;
  }

  std::vector<VostekItem*> rows = Candidates(mode);
  if (!m_search.empty()) {
    rows = Filter(m_dictionary, m_search, rows);
  }

  // The page size is read while the old rows still stand: it is what the window shows now.
  std::size_t limit = 0;
  if (mode != VIEW_GROUP) {
    limit = static_cast<std::size_t>(std::max(0, m_list.GetCountPerPage()));
  }
  if (limit != 0 && rows.size() > limit) {
    rows.resize(limit);
  }

  m_list.DeleteAllItems();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    InsertListItem(static_cast<int>(i), rows[i]);
  }
  if (!rows.empty()) {
    m_list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  m_host.SetTitle(WindowTitle(mode, m_search));
}

void LauncherView::InsertListItem(int row, VostekItem* item) {
  const int image = g_settings.showicon != 0 ? item->GetIcon() : -1;
  m_list.InsertItem(row, item->GetName(), image, item);
}
