// The shell operations of items and of the collection, over the desktop's shell: the
// same steps on every system, which only supplies the shell underneath.

#include <ctime>
#include <memory>
#include <string>

#include "app/globals.h"
#include "app/message_box.h"
#include "resources/texts.h"
#include "store/desktop_shell.h"
#include "store/vostek_data.h"
#include "store/vostek_item.h"

namespace {

std::int64_t Now() {
  return static_cast<std::int64_t>(std::time(nullptr));
}

void ReportOpenFailure(const std::string& text) {
  ShowMessageBox(text, MessageButtons::Ok, MessageIcon::Warning);
}

// The item's target when the shell can take it; null for none, and for a list that
// another system's build wrote or that does not hold together.
const IdList* OwnTarget(const DesktopShell& shell, const VostekItem& item) {
  const IdList* target = item.GetPidl();
  if (target == nullptr || !shell.IsOwnIdList(target, GetIdListSize(target))) {
    return nullptr;
  }
  return target;
}

// True when the item records its place in a form this shell cannot take; reported then.
bool RefusedAsForeign(const DesktopShell& shell, const VostekItem& item) {
  const bool foreign =
      !item.GetForeignIdList().empty() || (item.GetPidl() != nullptr && !OwnTarget(shell, item));
  if (foreign) {
    ReportOpenFailure(texts::kForeignIdList);
  }
  return foreign;
}

}  // namespace

void VostekItem::InitFromShell(DesktopShell& shell, const IdList* parent, const IdList* child,
                               std::int32_t group, std::uint32_t order) {
  SetTarget(shell.TargetOf(parent, child));
  m_count = 0;
  m_lastTime = 0;
  m_group = group;
  m_order = order;
  m_icon = 0;
  const std::string name = shell.DisplayNameOf(parent, child);
  SetName(name.empty() ? texts::kUnknownName : name);
}

int VostekItem::Launch(DesktopShell& shell) {
  if (RefusedAsForeign(shell, *this)) {
    return 0;
  }
  std::string error;
  if (!shell.Open(m_pidl, &error)) {
    ReportOpenFailure(error);
    return 0;
  }
  RecordLaunch(Now());
  return 1;
}

int VostekItem::OpenFolder(DesktopShell& shell) {
  if (RefusedAsForeign(shell, *this)) {
    return 0;
  }
  std::string error;
  switch (shell.OpenContainingFolder(m_pidl, &error)) {
    case DesktopShell::FolderOpening::NoFolder:
      return 0;
    case DesktopShell::FolderOpening::Failed:
      ReportOpenFailure(error);
      return 0;
    case DesktopShell::FolderOpening::Opened:
      break;
  }
  RecordLaunch(Now());
  return 1;
}

IconSource VostekItem::SmallIcon(DesktopShell& shell) const {
  const IdList* target = OwnTarget(shell, *this);
  return target != nullptr ? shell.SmallIconOf(target) : IconSource{};
}

int VostekData::AddItem(DesktopShell& shell, const IdList* parent, const IdList* child,
                        ViewMode viewMode, std::int32_t shownGroup, ImageList& imageList) {
  const std::int32_t group = viewMode == VIEW_POPULAR || viewMode == VIEW_RECENT ? 0 : shownGroup;
  auto item = std::make_unique<VostekItem>();
  item->InitFromShell(shell, parent, child, group, NextOrderInGroup(group));
  VostekItem& added = *item;
  AppendItem(std::move(item));
  return added.SetIcon(imageList.AddIcon(added.SmallIcon(shell)));
}
