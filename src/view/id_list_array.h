#pragma once

#include <string_view>
#include <vector>

#include "view/launcher_view.h"

// The shell's array of dropped ID lists ("Shell IDList Array"): a 32-bit count, then the
// offset of the parent folder's absolute list and one offset per object, each 32-bit
// little-endian from the block's start; the lists lie inside the block. Gives every
// object as a parent and a child copied from g_malloc, or nothing at all when the block
// does not hold a whole array, so a damaged drop adds no half-read item.
std::vector<DroppedObject> DroppedObjectsFromIdListArray(std::string_view block);
