#include "view/win32/win32_image_list.h"

Win32ImageList::Win32ImageList(int initialCapacity)
    : m_list(::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, initialCapacity, 4)) {}

Win32ImageList::~Win32ImageList() {
  if (m_list != nullptr) {
    ::ImageList_Destroy(m_list);
  }
}

int Win32ImageList::AddIcon(const IconSource& icon) {
  HICON handle = static_cast<HICON>(icon.nativeIcon);
  if (handle == nullptr) {
    return -1;
  }
  const int index = m_list != nullptr ? ::ImageList_ReplaceIcon(m_list, -1, handle) : -1;
  ::DestroyIcon(handle);
  return index;
}
