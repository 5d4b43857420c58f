// The shell operations of items and of the collection on Windows.

#include <ctime>
#include <memory>
#include <string>

#include "app/globals.h"
#include "app/message_box.h"
#include "platform/windows/shell_items.h"
#include "platform/windows/shell_launch.h"
#include "resources/texts.h"
#include "store/image_list.h"
#include "store/vostek_data.h"
#include "store/vostek_item.h"

namespace {

std::int64_t Now() {
  return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace

void VostekItem::InitFromShell(const IdList* parent, const IdList* child, std::int32_t group,
                               std::uint32_t order) {
  IdListPtr joined(ConcatIdLists(parent, child));
  const std::string path = PathFromIdList(joined.get());
  IdListPtr target = IsShortcutPath(path) ? ResolveShortcut(path) : std::move(joined);
  vostek::g_malloc->Free(m_pidl);
  m_pidl = target.release();

  m_count = 0;
  m_lastTime = 0;
  m_group = group;
  m_order = order;
  m_icon = 0;

  const std::string name = DisplayNameOf(parent, child);
  SetName(name.empty() ? texts::kUnknownName : name);
}

int VostekItem::Launch() {
  std::string error;
  if (!OpenIdList(m_pidl, &error)) {
    ShowMessageBox(error, MessageButtons::Ok, MessageIcon::Warning);
    return 0;
  }
  RecordLaunch(Now());
  return 1;
}

int VostekItem::OpenFolder() {
  const std::string path = PathFromIdList(m_pidl);
  if (path.empty()) {
    return 0;
  }
  std::string error;
  if (!OpenFolderPath(ContainingFolderPath(path), &error)) {
    ShowMessageBox(error, MessageButtons::Ok, MessageIcon::Warning);
    return 0;
  }
  RecordLaunch(Now());
  return 1;
}

int VostekData::AddItem(const IdList* parent, const IdList* child, ImageList& imageList) {
  const std::int32_t group =
      g_viewMode == VIEW_POPULAR || g_viewMode == VIEW_RECENT ? 0 : g_curGroup;
  auto item = std::make_unique<VostekItem>();
  item->InitFromShell(parent, child, group, NextOrderInGroup(group));
  VostekItem& added = *item;
  AppendItem(std::move(item));
  IconSource icon;
  icon.nativeIcon = SmallIconOf(added.GetPidl());
  return added.SetIcon(imageList.AddIcon(icon));
}
