#include "platform/windows/windows_shell.h"

#include <string>

#include "platform/windows/shell_items.h"
#include "platform/windows/shell_launch.h"
#include "platform/windows/windows_id_list.h"

std::string WindowsShell::DisplayNameOf(const IdList* parent, const IdList* child) {
  return ::DisplayNameOf(parent, child);
}

IdListPtr WindowsShell::TargetOf(const IdList* parent, const IdList* child) {
  IdListPtr joined(ConcatIdLists(parent, child));
  const std::string path = PathFromIdList(joined.get());
  return IsShortcutPath(path) ? ResolveShortcut(path) : std::move(joined);
}

IconSource WindowsShell::SmallIconOf(const IdList* target) {
  IconSource icon;
  icon.nativeIcon = ::SmallIconOf(target);
  return icon;
}

bool WindowsShell::Open(const IdList* target, std::string* error) {
  return OpenIdList(target, error);
}

DesktopShell::FolderOpening WindowsShell::OpenContainingFolder(const IdList* target,
                                                               std::string* error) {
  const std::string path = PathFromIdList(target);
  if (path.empty()) {
    return FolderOpening::NoFolder;
  }
  return OpenFolderPath(ContainingFolderPath(path), error) ? FolderOpening::Opened
                                                           : FolderOpening::Failed;
}

bool WindowsShell::IsOwnIdList(const std::uint8_t* bytes, std::size_t size) const {
  return IsWindowsShellIdList(bytes, size);
}
