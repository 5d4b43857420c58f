#pragma once

// Command ids of the menus, accelerators, toolbar and popups. The same numbers serve
// the Windows build's resources.
enum CommandId : int {
  ID_ITEM_LAUNCH = 32778,
  ID_HIDE = 32779,
  ID_GROUP_PREV = 32780,
  ID_GROUP_NEXT = 32781,
  ID_VIEW_POPULAR = 32782,
  ID_VIEW_RECENT = 32784,
  ID_VIEW_ICON = 32786,
  ID_ITEM_OPENFOLDER = 32791,
  ID_GROUP_NEW = 32792,
  ID_GROUP_RENAME = 32793,
  ID_GROUP_DELETE = 32794,
  ID_ITEM_RENAME = 32802,
  ID_ITEM_REMOVE = 32803,
  ID_SHOW = 32805,
  ID_MOVE_TO_GROUP_PLACEHOLDER = 32825,  // the sub-menu's placeholder; no handler
  ID_ITEM_UP = 32828,
  ID_ITEM_DOWN = 32829,
  ID_FILE_ADD = 32837,
  ID_STAYGROUP = 32840,
  ID_AUTOHIDE = 32847,
  ID_HOTKEY_SETTINGS = 32850,
  ID_MOVE_TO_GROUP = 36000,       // + group index
  ID_MOVE_TO_GROUP_LAST = 36255,  // groups above 255 cannot be targets
  ID_APP_ABOUT = 57664,
  ID_APP_EXIT = 57665,
  ID_VIEW_TOOLBAR = 59392,
};

// Resource ids.
enum ResourceId : int {
  IDD_ABOUTBOX = 100,
  IDR_MAINFRAME = 128,
  IDR_POPUP = 132,
  IDD_TEXT = 133,
  IDS_APP_TITLE = 57344,
  IDS_IDLE_PROMPT = 57345,
};
