// Creating, deleting and renaming groups, and stepping through the view cycle: the
// popular view (when on), the recent view (when on), then group 0 to the last group.

#include <string>
#include <string_view>

#include "app/globals.h"
#include "app/message_box.h"
#include "resources/texts.h"
#include "store/vostek_data.h"
#include "store/vostek_item.h"
#include "view/group_name.h"
#include "view/launcher_view.h"
#include "view/shown_view.h"
#include "view/view_host.h"

namespace {

// `format` with its one placeholder (`%d` or `%s`) replaced by `value`. Done by hand so
// that a '%' inside a group name is only text.
std::string FillPlaceholder(std::string_view format, std::string_view placeholder,
                            std::string_view value) {
  std::string text(format);
  const std::size_t at = text.find(placeholder);
  if (at != std::string::npos) {
    text.replace(at, placeholder.size(), value);
  }
  return text;
}

void ShowGroup(int group) {
  g_viewMode = VIEW_GROUP;
  g_curGroup = group;
}

// Places in the view cycle are numbered from 0: the popular view (when on), the recent
// view (when on), then groups 0 to n - 1.
int AutomaticViewsInCycle() {
  return (g_settings.popular != 0 ? 1 : 0) + (g_settings.recent != 0 ? 1 : 0);
}

int CyclePlaceShown() {
  if (g_viewMode == VIEW_POPULAR) {
    return 0;
  }
  if (g_viewMode == VIEW_RECENT) {
    return g_settings.popular != 0 ? 1 : 0;
  }
  return AutomaticViewsInCycle() + g_curGroup;
}

void ShowCyclePlace(int place) {
  if (place == 0 && g_settings.popular != 0) {
    g_viewMode = VIEW_POPULAR;
  } else if (place < AutomaticViewsInCycle()) {
    g_viewMode = VIEW_RECENT;
  } else {
    ShowGroup(place - AutomaticViewsInCycle());
  }
}

}  // namespace

void LauncherView::OnGroupNew() {
  const int group = g_data->GetGroupCount();
  g_data->AddGroup(FillPlaceholder(texts::kGroupNameFormat, "%d", std::to_string(group)));
  ShowGroup(group);
  RefreshList();
}

void LauncherView::OnGroupDelete() {
  if (!ShowsGroupView()) {
    return;
  }
  const std::string question =
      FillPlaceholder(texts::kDeleteGroupQuestion, "%s", g_data->GetGroupName(g_curGroup));
  if (!ShowMessageBox(question, MessageButtons::OkCancel)) {
    return;
  }
  if (g_data->GetGroupCount() > 1) {
    // Items of the deleted group go; those of later groups follow their group down by one.
    // From the back, so that each removal moves only the items behind it.
    for (int i = g_data->GetItemCount() - 1; i >= 0; --i) {
      VostekItem* item = g_data->GetItem(i);
      if (item->GetGroup() == g_curGroup) {
        g_data->RemoveItemAt(i);
      } else if (item->GetGroup() > g_curGroup) {
        item->SetGroup(item->GetGroup() - 1);
      }
    }
    g_data->RemoveGroup(g_curGroup);
    if (g_curGroup > g_data->GetGroupCount() - 1) {
      --g_curGroup;
    }
  } else {
    // The only group stays, emptied and with its first name again.
    while (!g_data->IsEmpty()) {
      g_data->RemoveItemAt(g_data->GetItemCount() - 1);  // the last: nothing moves up
    }
    g_data->SetGroupName(0, texts::kDefaultGroupName);
  }
  RefreshList();
}

void LauncherView::OnGroupRename() {
  if (!ShowsGroupView()) {
    return;
  }
  const std::optional<std::string> answer = m_host.AskGroupName();
  if (!answer) {
    return;
  }
  const std::string name = TrimGroupName(*answer);
  if (IsGroupNameRefused(name)) {
    return;
  }
  g_data->SetGroupName(g_curGroup, name);
  RefreshList();
}

void LauncherView::OnGroupNext() {
  StepCycle(+1);
}

void LauncherView::OnGroupPrev() {
  StepCycle(-1);
}

// Switching to an automatic view keeps g_curGroup; the search text stays either way.
void LauncherView::StepCycle(int direction) {
  const int places = AutomaticViewsInCycle() + g_data->GetGroupCount();
  if (places <= 1) {
    return;  // nothing to step to, and nothing to rebuild
  }
  ShowCyclePlace((CyclePlaceShown() + direction + places) % places);
  RefreshList();
}

bool LauncherView::OnMouseWheel(bool middleButtonDown, int delta) {
  if (!middleButtonDown) {
    return false;
  }
  if (delta > 0) {
    OnGroupPrev();
  } else {
    OnGroupNext();
  }
  m_wheelSwitched = true;
  return true;
}
