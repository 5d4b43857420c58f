#pragma once

#include <windows.h>

#include <commctrl.h>

#include "store/image_list.h"

// The view's small icons in a common-controls image list: 16 by 16, 32-bit colour with
// a mask, grown four at a time.
class Win32ImageList final : public ImageList {
 public:
  explicit Win32ImageList(int initialCapacity);
  ~Win32ImageList() override;
  Win32ImageList(const Win32ImageList&) = delete;
  Win32ImageList& operator=(const Win32ImageList&) = delete;

  // Copies the shell's icon to the end and destroys the shell's handle; -1 (nothing
  // appended) when the source holds no icon.
  int AddIcon(const IconSource& icon) override;
  HIMAGELIST Handle() const { return m_list; }

 private:
  HIMAGELIST m_list;
};
