#include "app/globals.h"

Settings g_settings;
ViewMode g_viewMode = VIEW_GROUP;
std::int32_t g_curGroup = 0;
VostekData* g_data = nullptr;
std::string g_dataFolder = ".";

ViewMode StartViewMode(const Settings& settings) {
  if (settings.popular != 0) {
    return VIEW_POPULAR;
  }
  if (settings.recent != 0) {
    return VIEW_RECENT;
  }
  return VIEW_GROUP;
}
