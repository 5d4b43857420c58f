#pragma once

#include "app/globals.h"

// Whether the list shows one group. A view mode of unknown value shows a group too.
inline bool ShowsGroupView() {
  return g_viewMode != VIEW_POPULAR && g_viewMode != VIEW_RECENT;
}
