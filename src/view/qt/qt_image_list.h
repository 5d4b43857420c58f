#pragma once

#include <QIcon>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "store/image_list.h"

// The side of the list's small icons, in pixels.
inline constexpr int kSmallIconSize = 16;

// The list's small icons as Qt draws them. Every entry is one index handed out; entries
// whose icons are alike share one picture, made when first asked for: the first themed
// name the icon theme knows, else the image file, else a generic file or folder picture,
// so an index handed out always shows something, with or without an icon theme.
class QtImageList : public ImageList {
 public:
  // An entry for the icon the desktop gave.
  int AddIcon(const IconSource& icon) override;
  // An entry whose icon is asked of the desktop only when it is first shown: the
  // collection's items at start, so that nothing per item stands between the start and
  // the tray icon.
  int AddDeferredIcon();

  // The picture of entry `index`; a deferred entry first fetches the icon of `target`
  // (the item's ID list). A null icon for an index that was never handed out.
  QIcon Icon(int index, const std::uint8_t* target = nullptr);
  // Whether entry `index` still has to be fetched: asking the desktop and the icon theme
  // may take milliseconds per kind of icon, too long to wait for while painting.
  bool IsDeferred(int index) const;
  // A blank picture of the icons' size, for a row whose icon is still being fetched.
  static QIcon Placeholder();
  int Count() const { return static_cast<int>(m_entries.size()); }

 private:
  int Picture(const IconSource& icon);
  int Choose(const IconSource& icon);
  int Generic(bool isFolder);
  // The picture known by `key`, made by `make` the first time.
  int Shared(const std::string& key, const std::function<QIcon()>& make);

  static constexpr int kDeferred = -1;
  std::vector<int> m_entries;  // the picture of each entry, or kDeferred
  std::vector<QIcon> m_pictures;
  std::map<std::string, int> m_pictureByKey;     // what a picture is -> its index
  std::map<std::string, int> m_pictureBySource;  // an icon the desktop gave -> its picture
};
