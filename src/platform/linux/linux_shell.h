#pragma once

#include "store/desktop_shell.h"

// The Linux desktop's shell: GIO for names, icons and default applications, symbolic
// links and Link desktop entries as shortcuts, ID lists in the Linux encoding.
class LinuxShell final : public DesktopShell {
 public:
  std::string DisplayNameOf(const IdList* parent, const IdList* child) override;
  IdListPtr TargetOf(const IdList* parent, const IdList* child) override;
  IconSource SmallIconOf(const IdList* target) override;
  bool Open(const IdList* target, std::string* error) override;
  FolderOpening OpenContainingFolder(const IdList* target, std::string* error) override;
  bool IsOwnIdList(const std::uint8_t* bytes, std::size_t size) const override;
};
