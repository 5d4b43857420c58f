#pragma once

#include "store/id_list.h"
#include "store/image_list.h"

// The small icon the desktop shows for the object of an ID list: a desktop entry's own
// Icon, else GIO's icon for the file (theme names or an image file), else the icon of
// the type its name suggests; for a URI, the icon of the application that opens it.
// An empty source (null list, nothing known) leaves the front end its generic icon.
IconSource FetchSmallIcon(const IdList* list);
