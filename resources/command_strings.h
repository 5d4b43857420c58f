#pragma once

#include <string_view>

#include "resources/command_ids.h"

// The string table's command strings: a short prompt, then after a line break the
// tooltip of the toolbar button. A string without a line break has no tooltip.
struct CommandString {
  int id;
  const char* text;
};

namespace command_strings {

inline constexpr CommandString kCommandStrings[] = {
    {ID_ITEM_LAUNCH, "起動\n選択しているファイルを起動します。"},
    {ID_HIDE, "隠す\n表示しているVOSTEKを隠します。"},
    {ID_GROUP_PREV, "前のグループ\n1つ前のグループを表示します。"},
    {ID_GROUP_NEXT, "次のグループ\n1つ次のグループを表示します。"},
    {ID_VIEW_POPULAR, "「よく使うフォルダ」グループの表示・非表示を切り替えます。"},
    {ID_VIEW_RECENT,
     "「最近使ったファイル」の表示\n「最近使ったファイル」グループの表示・非表示を切り替えます。"},
    {ID_VIEW_ICON, "アイコンの表示\nファイルのアイコンの表示・非表示を切り替えます。"},
    {ID_ITEM_OPENFOLDER, "フォルダを開く\n選択しているファイルのあるフォルダを開きます。"},
    {ID_GROUP_NEW, "新規グループ\n新しいグループを作成します。"},
    {ID_GROUP_RENAME, "グループ名の変更\n現在表示しているグループの名前を変更します。"},
    {ID_GROUP_DELETE, "グループの削除\n現在表示しているグループを削除します。"},
    {ID_ITEM_RENAME,
     "ファイル表示名の変更\n"
     "選択しているファイルの表示名を変更します。実際のファイル名には影響しません。"},
    {ID_ITEM_REMOVE,
     "ファイルをリストから削除\n"
     "選択しているファイルをリストから削除します。実際のファイルは削除されません。"},
    {ID_SHOW, "表示\nVOSTEKを表示します"},
    {ID_ITEM_UP, "1つ上へ\n選択しているファイルを1つ上へ並べ替えます。"},
    {ID_ITEM_DOWN, "1つ下へ\n選択しているファイルを1つ下へ並べ替えます。"},
    {ID_FILE_ADD, "ファイルの追加\nファイルの追加はドラッグ＆ドロップして行ってください。"},
    {ID_APP_ABOUT, "バージョン情報\nバージョン情報を表示します。"},
    {ID_APP_EXIT, "終了\nVOSTEKを終了します。"},
    {ID_VIEW_TOOLBAR, "ツールバーの表示\nツールバーの表示・非表示を切り替えます。"},
};

// The tooltip part of a command's string; empty when it has none.
constexpr std::string_view Tooltip(int id) {
  for (const CommandString& entry : kCommandStrings) {
    if (entry.id == id) {
      const std::string_view text = entry.text;
      const auto lineBreak = text.find('\n');
      return lineBreak == std::string_view::npos ? std::string_view{} : text.substr(lineBreak + 1);
    }
  }
  return {};
}

}  // namespace command_strings
