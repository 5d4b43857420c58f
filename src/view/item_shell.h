#pragma once

#include "store/id_list.h"

class ImageList;
class VostekItem;

// What the view asks of the desktop for its items: opening them, opening their folders,
// and making new items from dropped objects. Behind an interface so that the view logic
// runs without a desktop; tests record the calls instead.
class ItemShell {
 public:
  virtual ~ItemShell() = default;
  // Results are not examined: failures are reported to the user by the item itself.
  virtual void Launch(VostekItem& item) = 0;
  virtual void OpenFolder(VostekItem& item) = 0;
  // Appends exactly one new item to the end of g_data, filed in the shown group with the
  // next order value, and its icon to `imageList`.
  virtual void AddItem(const IdList* parent, const IdList* child, ImageList& imageList) = 0;
};

// The desktop's own implementation, over VostekItem's and VostekData's shell operations.
ItemShell& DesktopItemShell();
