#pragma once

#include <span>

#include "resources/command_ids.h"

// One entry of a menu: a command with its text (the label, then after a tab the
// shortcut text shown at the right), or a separator.
struct MenuEntry {
  int id = 0;                  // command id; 0 for a separator
  const char* text = nullptr;  // nullptr for a separator
};

struct MenuDefinition {
  const char* title;
  std::span<const MenuEntry> entries;
};

namespace menus {

inline constexpr MenuEntry kSeparator{};

inline constexpr MenuEntry kFileMenu[] = {
    {ID_FILE_ADD, "ファイルの追加(&A)"},
    kSeparator,
    {ID_APP_ABOUT, "バージョン情報 (&A)..."},
    kSeparator,
    {ID_HIDE, "隠す(&H)\tEsc"},
    {ID_APP_EXIT, "終了(&X)\tAlt + F4"},
};

inline constexpr MenuEntry kGroupMenu[] = {
    {ID_GROUP_PREV, "前のグループ(&P)\t←, WheelClk+Scrl"},
    {ID_GROUP_NEXT, "次のグループ(&N)\t→, WheelClk+Scrl"},
    kSeparator,
    {ID_GROUP_NEW, "新規グループ(&N)\tCtrl + N"},
    {ID_GROUP_RENAME, "グループ名を変更(&N)...\tCtrl + F2"},
    {ID_GROUP_DELETE, "グループを削除(&R)\tCtrl + Del"},
};

// The entries above the last separator are check marks mirroring one setting each.
inline constexpr MenuEntry kSettingsMenu[] = {
    {ID_VIEW_TOOLBAR, "ツール バーの表示(&T)"},
    {ID_VIEW_ICON, "アイコンの表示(&I)"},
    kSeparator,
    {ID_VIEW_POPULAR, "よく使うファイルの表示(&O)"},
    {ID_VIEW_RECENT, "最近使ったファイルの表示(&R)"},
    kSeparator,
    {ID_STAYGROUP, "以前に表示したグループを記憶(&E)"},
    {ID_AUTOHIDE, "非アクティブ時に自動的に隠す(&A)"},
    kSeparator,
    {ID_HOTKEY_SETTINGS, "ホットキーの設定(&K)..."},
};

// The menu bar of the main window (IDR_MAINFRAME).
inline constexpr MenuDefinition kMainMenu[] = {
    {"ファイル(&F)", kFileMenu},
    {"グループ(&G)", kGroupMenu},
    {"設定(&P)", kSettingsMenu},
};
inline constexpr int kSettingsMenuPosition = 2;

// The tray icon's menu "tasktray" (IDR_POPUP); "表示" is its default entry.
inline constexpr MenuEntry kTrayMenu[] = {
    {ID_APP_ABOUT, "バージョン情報 (&A)..."},
    kSeparator,
    {ID_SHOW, "表示(&S)\tAlt + Space"},
    {ID_APP_EXIT, "終了(&X)"},
};
inline constexpr int kTrayMenuDefault = ID_SHOW;

// The item popup "list" (IDR_POPUP). The sub-menu that moves the selection to another
// group goes in before the entry at kMoveToGroupPosition, which is its position in the
// popup; it is filled with the group names when the popup opens, or greyed with its one
// placeholder entry.
inline constexpr MenuEntry kItemMenu[] = {
    {ID_ITEM_LAUNCH, "起動する(&E)\tEnter, LDblClk"},
    {ID_ITEM_OPENFOLDER, "フォルダを開く(&D)\tShift+Enter, WheelClk"},
    kSeparator,
    {ID_ITEM_RENAME, "名前の変更(&N)...\tF2"},
    {ID_ITEM_REMOVE, "削除(&R)\tDel"},
    kSeparator,
    {ID_ITEM_UP, "上へ移動(&U)\tCtrl + U"},
    {ID_ITEM_DOWN, "下へ移動(&B)\tCtrl + D"},
};
inline constexpr int kMoveToGroupPosition = 5;
inline constexpr char kMoveToGroupTitle[] = "別のグループへ移動(&M)";
inline constexpr MenuEntry kMoveToGroupPlaceholder{ID_MOVE_TO_GROUP_PLACEHOLDER, "グループ0"};

}  // namespace menus
