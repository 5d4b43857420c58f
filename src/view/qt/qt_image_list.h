#pragma once

#include <QIcon>
#include <vector>

#include "store/image_list.h"

// The side of the list's small icons, in pixels.
inline constexpr int kSmallIconSize = 16;

// The list's small icons as Qt draws them. Every AddIcon appends exactly one entry: the
// first themed name the icon theme knows, else the image file, else a generic file or
// folder icon, so an index handed out always shows something.
class QtImageList : public ImageList {
 public:
  int AddIcon(const IconSource& icon) override;

  // The icon at `index`; a null icon for an index that was never handed out.
  QIcon Icon(int index) const;
  int Count() const { return static_cast<int>(m_icons.size()); }

 private:
  std::vector<QIcon> m_icons;
};
