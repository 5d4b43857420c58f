// The rebuild of the list from the collection, and the window title that goes with it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "app/globals.h"
#include "resources/texts.h"
#include "search/name_index.h"
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

// What orders the mode's rows, smallest first; equal keys keep collection order.
std::uint64_t RankKey(ViewMode mode, const VostekItem& item) {
  switch (mode) {
    case VIEW_POPULAR:
      return ~item.GetCount();  // most used first
    case VIEW_RECENT: {
      // Newest first: the signed time flipped into an unsigned one, then reversed.
      constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
      return ~(static_cast<std::uint64_t>(item.GetLastTime()) ^ kSignBit);
    }
    case VIEW_GROUP:
      break;
  }
  return item.GetOrder();
}

// An item the mode shows, with its position in the collection and its rank key: ranking
// then reads the candidates alone, not the items scattered over the heap.
struct Candidate {
  VostekItem* item;
  std::size_t position;
  std::uint64_t key;
};

bool RanksBefore(const Candidate& a, const Candidate& b) {
  return a.key != b.key ? a.key < b.key : a.position < b.position;
}

// The items the mode shows that the search keeps (all without a search), the first
// `limit` of them (all when 0) in display order. Items with equal keys stay in
// collection order. A page of a long automatic view is picked while the items are
// read, holding no more candidates than it shows.
std::vector<Candidate> RankedCandidates(ViewMode mode, const std::optional<NameMatches>& matches,
                                        std::size_t limit) {
  std::vector<Candidate> kept;  // with a limit: a heap whose front ranks last
  const int count = g_data->GetItemCount();
  kept.reserve(limit != 0 ? limit : static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    VostekItem* item = g_data->GetItem(i);
    const bool taken = mode == VIEW_POPULAR  ? item->GetCount() != 0
                       : mode == VIEW_RECENT ? item->GetLastTime() != 0
                                             : item->GetGroup() == g_curGroup;
    const auto position = static_cast<std::size_t>(i);
    if (!taken || (matches && !matches->Contains(position))) {
      continue;
    }
    const Candidate candidate{item, position, RankKey(mode, *item)};
    if (limit == 0) {
      kept.push_back(candidate);
    } else if (kept.size() < limit) {
      kept.push_back(candidate);
      std::push_heap(kept.begin(), kept.end(), RanksBefore);
    } else if (RanksBefore(candidate, kept.front())) {
      std::pop_heap(kept.begin(), kept.end(), RanksBefore);
      kept.back() = candidate;
      std::push_heap(kept.begin(), kept.end(), RanksBefore);
    }
  }
  std::sort(kept.begin(), kept.end(), RanksBefore);
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

  // The search keeps the candidates whose names match, in their order.
  std::optional<NameMatches> matches;
  if (!m_search.empty()) {
    matches = SearchIndexedNames(m_dictionary, m_answerReadings, m_search, CurrentNameIndex());
  }
  // The page size is read while the old rows still stand: it is what the window shows now.
  std::size_t limit = 0;
  if (mode != VIEW_GROUP) {
    limit = static_cast<std::size_t>(std::max(0, m_list.GetCountPerPage()));
  }
  const std::vector<Candidate> rows = RankedCandidates(mode, matches, limit);

  m_list.DeleteAllItems();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    InsertListItem(static_cast<int>(i), rows[i].item);
  }
  if (!rows.empty()) {
    m_list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  m_host.SetTitle(WindowTitle(mode, m_search));
}

void LauncherView::FinishPreparingSearch() {
  if (m_preparedIndex.valid()) {
    m_preparedIndex.wait();  // the index stays, to be taken as before
  }
}

void LauncherView::PrepareSearch() {
  const bool current = m_indexedData == g_data && m_indexedGeneration == NamesGeneration();
  // One under way is let finish, whatever it indexes: dropping it would wait for it.
  if (g_data == nullptr || current || m_preparedIndex.valid()) {
    return;
  }
  m_preparedIndex = BuildNameIndexInBackground(CurrentNames());
  m_preparedData = g_data;
  m_preparedGeneration = NamesGeneration();
}

const NameIndex& LauncherView::CurrentNameIndex() {
  if (m_indexedData != g_data || m_indexedGeneration != NamesGeneration()) {
    std::optional<NameIndex> prepared;
    if (m_preparedIndex.valid()) {
      prepared = m_preparedIndex.get();  // also when outdated, so that the next may start
    }
    const bool usable =
        prepared && m_preparedData == g_data && m_preparedGeneration == NamesGeneration();
    m_nameIndex = usable ? std::move(*prepared) : NameIndex(CurrentNames());
    m_indexedData = g_data;
    m_indexedGeneration = NamesGeneration();
  }
  return m_nameIndex;
}

std::vector<std::string_view> LauncherView::CurrentNames() const {
  std::vector<std::string_view> names;
  names.reserve(static_cast<std::size_t>(g_data->GetItemCount()));
  for (int i = 0; i < g_data->GetItemCount(); ++i) {
    names.emplace_back(g_data->GetItem(i)->GetName());
  }
  return names;
}

void LauncherView::InsertListItem(int row, VostekItem* item) {
  const int image = g_settings.showicon != 0 ? item->GetIcon() : -1;
  m_list.InsertItem(row, item->GetName(), image, item);
}
