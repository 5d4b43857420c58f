#include "platform/linux/linux_shell.h"

#include <cerrno>
#include <string>

#include "platform/linux/shell_display_name.h"
#include "platform/linux/shell_error_text.h"
#include "platform/linux/shell_icon.h"
#include "platform/linux/shell_id_list.h"
#include "platform/linux/shell_launch.h"
#include "platform/linux/shell_shortcut.h"
#include "store/containing_folder.h"

namespace {

// A failure is never reported with an empty warning.
bool Reported(bool opened, std::string* error) {
  if (!opened && error->empty()) {
    *error = ErrnoText(EIO);
  }
  return opened;
}

}  // namespace

std::string LinuxShell::DisplayNameOf(const IdList* parent, const IdList* child) {
  const IdListPtr joined(ConcatIdLists(parent, child));
  if (const std::string path = PathFromIdList(joined.get()); !path.empty()) {
    return DisplayNameOfPath(path);
  }
  if (const std::string uri = UriFromIdList(joined.get()); !uri.empty()) {
    return DisplayNameOfUri(uri);
  }
  return {};
}

IdListPtr LinuxShell::TargetOf(const IdList* parent, const IdList* child) {
  IdListPtr joined(ConcatIdLists(parent, child));
  const std::string path = PathFromIdList(joined.get());
  return !path.empty() && IsShortcut(path) ? ResolveShortcut(path) : std::move(joined);
}

IconSource LinuxShell::SmallIconOf(const IdList* target) {
  return FetchSmallIcon(target);
}

bool LinuxShell::Open(const IdList* target, std::string* error) {
  if (const std::string path = PathFromIdList(target); !path.empty()) {
    return Reported(OpenPath(path, error), error);
  }
  if (const std::string uri = UriFromIdList(target); !uri.empty()) {
    return Reported(OpenUri(uri, error), error);
  }
  *error = ErrnoText(ENOENT);  // no target: an unreadable shortcut or a damaged list
  return false;
}

DesktopShell::FolderOpening LinuxShell::OpenContainingFolder(const IdList* target,
                                                             std::string* error) {
  const std::string path = PathFromIdList(target);
  if (path.empty()) {
    return FolderOpening::NoFolder;
  }
  return Reported(OpenFolderPath(ContainingFolder(path), error), error) ? FolderOpening::Opened
                                                                        : FolderOpening::Failed;
}

bool LinuxShell::IsOwnIdList(const std::uint8_t* bytes, std::size_t size) const {
  return IsLinuxIdList(bytes, size);
}
