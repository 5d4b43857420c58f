#pragma once

#include "store/desktop_shell.h"

// The Windows shell: its display names, icons, shortcut files (".lnk") and default
// actions, and its own ID lists.
class WindowsShell final : public DesktopShell {
 public:
  std::string DisplayNameOf(const IdList* parent, const IdList* child) override;
  IdListPtr TargetOf(const IdList* parent, const IdList* child) override;
  IconSource SmallIconOf(const IdList* target) override;
  bool Open(const IdList* target, std::string* error) override;
  FolderOpening OpenContainingFolder(const IdList* target, std::string* error) override;
  bool IsOwnIdList(const std::uint8_t* bytes, std::size_t size) const override;
};
