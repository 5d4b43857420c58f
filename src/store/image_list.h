#pragma once

#include <string>
#include <vector>

// What the desktop offers as an item's small icon, for the front end to draw.
struct IconSource {
  std::vector<std::string> themedNames;  // icon-theme names, best first
  std::string filePath;                  // an image file, when the icon is one
  bool isFolder = false;                 // picks the generic fallback icon
  void* nativeIcon = nullptr;            // Windows: the shell's icon handle, copied then destroyed
};

// The view's list of small icons. Entry k is the icon of every item whose icon
// index is k.
class ImageList {
 public:
  virtual ~ImageList() = default;
  // Appends the icon; returns its index, or -1 when nothing was appended.
  virtual int AddIcon(const IconSource& icon) = 0;
};
