// The shell operations of items and of the collection on the Linux desktop.

#include <cerrno>
#include <ctime>
#include <memory>
#include <string>

#include "app/globals.h"
#include "app/message_box.h"
#include "platform/linux/shell_display_name.h"
#include "platform/linux/shell_error_text.h"
#include "platform/linux/shell_icon.h"
#include "platform/linux/shell_id_list.h"
#include "platform/linux/shell_launch.h"
#include "platform/linux/shell_shortcut.h"
#include "resources/texts.h"
#include "store/containing_folder.h"
#include "store/image_list.h"
#include "store/vostek_data.h"
#include "store/vostek_item.h"

namespace {

void ReportLaunchFailure(std::string text) {
  if (text.empty()) {
    text = ErrnoText(EIO);  // never an empty warning
  }
  ShowMessageBox(text, MessageButtons::Ok, MessageIcon::Warning);
}

bool OpenTarget(const IdList* target, std::string* error) {
  const std::string path = PathFromIdList(target);
  if (!path.empty()) {
    return OpenPath(path, error);
  }
  const std::string uri = UriFromIdList(target);
  if (!uri.empty()) {
    return OpenUri(uri, error);
  }
  *error = ErrnoText(ENOENT);  // no target: an unreadable shortcut or a damaged list
  return false;
}

std::int64_t Now() {
  return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace

void VostekItem::InitFromShell(const IdList* parent, const IdList* child, std::int32_t group,
                               std::uint32_t order) {
  IdListPtr joined(ConcatIdLists(parent, child));
  const std::string path = PathFromIdList(joined.get());

  std::string name;
  if (!path.empty()) {
    name = DisplayNameOfPath(path);
  } else if (const std::string uri = UriFromIdList(joined.get()); !uri.empty()) {
    name = DisplayNameOfUri(uri);
  }
  SetName(name.empty() ? texts::kUnknownName : name);

  IdListPtr target = !path.empty() && IsShortcut(path) ? ResolveShortcut(path) : std::move(joined);
  vostek::g_malloc->Free(m_pidl);
  m_pidl = target.release();
  m_foreignIdList.reset();

  m_count = 0;
  m_lastTime = 0;
  m_group = group;
  m_order = order;
  m_icon = 0;
}

int VostekItem::Launch() {
  if (m_foreignIdList) {
    ReportLaunchFailure(texts::kForeignIdList);
    return 0;
  }
  std::string error;
  if (!OpenTarget(m_pidl, &error)) {
    ReportLaunchFailure(error);
    return 0;
  }
  RecordLaunch(Now());
  return 1;
}

int VostekItem::OpenFolder() {
  if (m_foreignIdList) {
    ReportLaunchFailure(texts::kForeignIdList);
    return 0;
  }
  const std::string path = PathFromIdList(m_pidl);
  if (path.empty()) {
    return 0;
  }
  std::string error;
  if (!OpenFolderPath(ContainingFolder(path), &error)) {
    ReportLaunchFailure(error);
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
  return added.SetIcon(imageList.AddIcon(FetchSmallIcon(added.GetPidl())));
}
