#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "store/id_list.h"
#include "store/image_list.h"

// What the desktop's shell does for launch items: naming and resolving dropped objects,
// their icons, opening them and the folders that hold them, and telling its own ID lists
// from those another system's build wrote. Each system supplies one; the front end makes
// it and hands it to the view, and tests use a fake.
class DesktopShell {
 public:
  enum class FolderOpening {
    Opened,
    NoFolder,  // the object has no file-system path: nothing to open, nothing to report
    Failed,
  };

  virtual ~DesktopShell() = default;

  // The name the shell shows for `child`, an object relative to the folder `parent`;
  // empty when the shell cannot say.
  virtual std::string DisplayNameOf(const IdList* parent, const IdList* child) = 0;
  // What a dropped object stands for: its absolute list, or for a shortcut the target
  // exactly as the shortcut stores it (null when the shortcut cannot be read).
  virtual IdListPtr TargetOf(const IdList* parent, const IdList* child) = 0;
  // The object's small icon; an empty source when the shell has none.
  virtual IconSource SmallIconOf(const IdList* target) = 0;
  // Opens the object with the shell's default action. On failure `error` gets the
  // system's text for it, never empty.
  virtual bool Open(const IdList* target, std::string* error) = 0;
  // Opens the folder that holds the object; `error` as for Open.
  virtual FolderOpening OpenContainingFolder(const IdList* target, std::string* error) = 0;
  // Whether `size` bytes hold a well-formed list of this system's shell, one it can be
  // handed.
  virtual bool IsOwnIdList(const std::uint8_t* bytes, std::size_t size) const = 0;
};
