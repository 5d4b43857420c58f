#pragma once

#include <string>
#include <string_view>

#include "store/id_list.h"

// Conversions between ID lists and what the desktop names objects by: paths and URIs.
// File-name items keep the raw bytes of each component, so names that are not UTF-8
// survive the round trip.

// A list holding one item of `kind` with `bytes`; null when the bytes do not fit an
// item (a file name must be non-empty, without slash or NUL) or memory runs out.
IdListPtr MakeSingleItemIdList(IdItemKind kind, std::string_view bytes);

// The absolute list of an absolute path: one file-name item per component; empty and
// "." components are dropped, ".." is kept as it stands. Null for a relative path or
// one holding a NUL byte.
IdListPtr IdListFromPath(std::string_view path);

// A list holding the URI as its one item.
IdListPtr IdListFromUri(std::string_view uri);

// The file-system path of a list made only of file-name items ("/" for the empty
// list); empty for null, a list holding a URI item, or a damaged item.
std::string PathFromIdList(const IdList* list);

// What to hand the desktop to open the object: the URI item's URI, else the file URI of
// the path; empty when the list has neither.
std::string UriFromIdList(const IdList* list);
