#pragma once

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "store/image_list.h"

// The view's small icons in a common-controls image list of 16 by 16 pictures, 32-bit
// colour with a mask. Every entry is one index handed out; entries whose icons look alike
// share one picture, so that the list holds one picture per kind of file, not one per item.
// Picture 0 is a blank one, shown for an entry whose icon has not been fetched yet.
class Win32ImageList final : public ImageList {
 public:
  Win32ImageList();
  ~Win32ImageList() override;
  Win32ImageList(const Win32ImageList&) = delete;
  Win32ImageList& operator=(const Win32ImageList&) = delete;

  // An entry for the shell's icon, whose handle is destroyed; -1 (no entry) when the
  // source holds no icon.
  int AddIcon(const IconSource& icon) override;
  // An entry whose icon is asked of the shell only when its row is first drawn: the
  // collection's items at start, so that nothing per item stands between the start and
  // the first showing.
  int AddDeferredIcon();
  // Whether entry `index` still waits for its icon.
  bool IsDeferred(int index) const;
  // Gives a deferred entry the shell's icon (destroying its handle); an entry the shell
  // has no icon for keeps the blank picture.
  void Fill(int index, const IconSource& icon);
  // The picture in Handle() that entry `index` shows.
  int PictureOf(int index) const;
  HIMAGELIST Handle() const { return m_list; }

 private:
  int Picture(HICON icon);

  static constexpr int kDeferred = -1;
  static constexpr int kBlank = 0;
  HIMAGELIST m_list;
  std::vector<int> m_entries;                  // the picture of each entry, or kDeferred
  std::map<std::string, int> m_pictureByBits;  // a picture's pixels and mask -> its index
};
