#pragma once

#include <string>

#include "store/id_list.h"

// Shortcuts on the Linux desktop: symbolic links, and desktop entries of Type=Link.

// True when a new item for the object at `path` takes the shortcut's target instead of
// the object itself: a symbolic link, or a file ending exactly in ".desktop" that is a
// Link entry or cannot be read (an unreadable shortcut still counts as one).
bool IsShortcut(const std::string& path);

// The target exactly as the shortcut stores it, nothing resolved and its existence not
// checked: a link's text (a relative one joined to the link's own folder), or a Link
// entry's URL (a file URL as a path list, any other as a URI item). Null when the
// shortcut cannot be read.
IdListPtr ResolveShortcut(const std::string& path);
