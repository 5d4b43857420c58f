#pragma once

#include <windows.h>

#include <string>

#include "store/id_list.h"

// What the Windows shell says about the objects of ID lists. Each call initialises COM
// for itself, so it works from any point of the user-interface thread.

// The file-system path of an absolute list (UTF-8); empty when the object has none or
// the list is null.
std::string PathFromIdList(const IdList* list);

// A shortcut's stored target as an absolute list from the shell's allocator: the
// target exactly as stored, not searched for when it moved, and no user interface
// shown. Null when the shortcut cannot be read.
IdListPtr ResolveShortcut(const std::string& path);

// The object's display name in its parent folder (`child` relative to `parent`); empty
// when the shell cannot say.
std::string DisplayNameOf(const IdList* parent, const IdList* child);

// The object's small icon, for the caller to copy and destroy; null when there is none.
HICON SmallIconOf(const IdList* list);

// True for a path whose last four characters are exactly ".lnk" (case-sensitive: a
// shortcut named in capitals is taken as a file of its own).
bool IsShortcutPath(const std::string& path);
