#pragma once

#include <cstdint>
#include <string>

class VostekData;

// What the list shows: one group, or one of the two automatic views.
enum ViewMode : std::uint8_t { VIEW_GROUP = 0, VIEW_POPULAR = 1, VIEW_RECENT = 2 };

// The eleven settings of setting.ini's section "GENERAL", named after their keys and
// listed in the order they are read and written. Read once at start, changed in
// memory, written back a few seconds after a change and at exit.
struct Settings {
  std::int32_t popular = 1;
  std::int32_t recent = 0;
  std::int32_t staygroup = 0;
  std::int32_t showicon = 1;
  std::int32_t showtool = 1;
  std::int32_t hotkey = 32;     // Windows virtual-key code; 0: no hot-key
  std::int32_t hotkeyMask = 1;  // MOD_ flags: 1 Alt, 2 Ctrl, 4 Shift, 8 Super
  std::int32_t width = 200;     // outer size of the main window
  std::int32_t height = 220;
  std::int32_t help_start = 0;  // 1 once the first-start balloon was shown
  std::int32_t g_autohide = 0;

  bool operator==(const Settings&) const = default;
};

extern Settings g_settings;
extern ViewMode g_viewMode;
extern std::int32_t g_curGroup;  // the group shown in VIEW_GROUP
extern VostekData* g_data;       // the one collection, from start-up to exit
// Where setting.ini, items.vkd and the dict folder are; "." until start-up sets it.
extern std::string g_dataFolder;

// The view shown at start and after every hide (unless staygroup is on).
ViewMode StartViewMode(const Settings& settings);
