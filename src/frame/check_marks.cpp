#include "frame/check_marks.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "resources/command_ids.h"

namespace {

struct CheckMark {
  int id;
  std::int32_t Settings::*setting;
};

constexpr CheckMark kCheckMarks[] = {
    {ID_STAYGROUP, &Settings::staygroup}, {ID_VIEW_ICON, &Settings::showicon},
    {ID_VIEW_RECENT, &Settings::recent},  {ID_VIEW_POPULAR, &Settings::popular},
    {ID_AUTOHIDE, &Settings::g_autohide}, {ID_VIEW_TOOLBAR, &Settings::showtool},
};

constexpr auto kIds = [] {
  std::array<int, std::size(kCheckMarks)> ids{};
  for (std::size_t i = 0; i < ids.size(); ++i) {
    ids[i] = kCheckMarks[i].id;
  }
  return ids;
}();

}  // namespace

std::span<const int> CheckMarkIds() {
  return kIds;
}

bool IsCheckMark(int id) {
  return std::find(kIds.begin(), kIds.end(), id) != kIds.end();
}

bool IsChecked(int id, const Settings& settings) {
  for (const CheckMark& mark : kCheckMarks) {
    if (mark.id == id) {
      return settings.*mark.setting != 0;
    }
  }
  return false;
}
