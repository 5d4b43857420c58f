#pragma once

// The program's own texts, in one place. Menus, popups and the toolbar build from the
// tables of the front end; these are the texts that code shows directly.
namespace texts {

inline constexpr char kAppTitle[] = "VOSTEK";
inline constexpr char kTemplateTitle[] = "vostek";
inline constexpr char kIdlePrompt[] = "レディ";

// Start-up failures of the Windows build, kept so both builds share one text table.
inline constexpr char kOleInitError[] = "OLE init error";
inline constexpr char kShellAllocatorError[] = "SHGetMalloc error";
inline constexpr char kOutOfMemory[] = "メモリ不足エラーです。";

// Start-up and exit on this system. %1, %2: the file's path, the system's error text.
inline constexpr char kInstanceLockFailed[] =
    "多重起動を防ぐためのファイル %1 を開けないため、終了します。\n%2";
inline constexpr char kDataFolderFailed[] =
    "設定とアイテムを置くフォルダー %1 を作れないため、終了します。\n%2";
inline constexpr char kSettingsSaveFailed[] = "設定を %1 に保存できませんでした。\n%2";
inline constexpr char kCollectionSaveFailed[] =
    "アイテムとグループを %1 に保存できませんでした。\n%2";
// Why a settings file was left alone; %2 of the messages around it.
inline constexpr char kSettingsNotText[] = "テキストファイルではありません";
inline constexpr char kSettingsTooLarge[] = "1 MB を超えています";
// At start, for a settings file left alone. %1: its path, %2: why.
inline constexpr char kSettingsSetAside[] =
    "%1 を読み込みませんでした（%2）。\n既定の設定で起動します。"
    "ファイルには手を付けず、終了時にも書き換えません。";
inline constexpr char kAboutVersionFormat[] = "VOSTEK Version %1";

// The collection file at start. %1: the file's path, %2: where it was moved or the
// system's error text.
inline constexpr char kCollectionDamagedMoved[] =
    "%1 を読み込めませんでした。元のファイルは %2 に移してあります。\n"
    "新しい空のコレクションで起動します。";
// %3: the new file beside it that takes this session's collection instead.
inline constexpr char kCollectionDamagedKept[] =
    "%1 を読み込めませんでした。元のファイルを移せなかったため、そのまま残してあります（%2）。\n"
    "新しい空のコレクションで起動します。%1 は上書きせず、この間の変更は %3 に保存します。";
inline constexpr char kCollectionUnreadable[] =
    "%1 を開けませんでした（%2）。ファイルには手を付けていません。\n"
    "新しい空のコレクションで起動します。%1 は上書きせず、この間の変更は %3 に保存します。";
// An older collection file, its names in Shift_JIS (code page 932). %2: the file as it was.
inline constexpr char kCollectionConverted[] =
    "%1 はアイテム名とグループ名が Shift_JIS で書かれた以前の形式のため、"
    "UTF-8 に変換して読み込みました。\n変換前のファイルは %2 に残してあります。";
// %2: why the file as it was could not be kept; %3: the file this session saves to.
inline constexpr char kCollectionConvertedNotKept[] =
    "%1 はアイテム名とグループ名が Shift_JIS で書かれた以前の形式のため、"
    "UTF-8 に変換して読み込みました。\n変換前のファイルを残せなかったため（%2）、"
    "%1 は上書きせず、この間の変更は %3 に保存します。";
// A symbolic link to nothing. %2: where it points.
inline constexpr char kCollectionLinkDangling[] =
    "%1 はリンクですが、リンク先の %2 がありません。リンクはそのまま残します。\n"
    "新しい空のコレクションで起動し、リンク先に保存します。";
inline constexpr char kCollectionLinkFolderMissing[] =
    "%1 はリンクですが、リンク先の %2 もそのフォルダーもありません。リンクはそのまま残します。\n"
    "新しい空のコレクションで起動します。この間の変更は %3 に保存します。";
// A save while running failed: told once in a balloon until a save works again.
inline constexpr char kSaveFailedTitle[] = "保存できません";
inline constexpr char kSaveFailedLater[] =
    "\n変更は VOSTEK が覚えています。しばらくしてからもう一度保存し、終了時にも保存します。";
// Appended to the failures at exit, whose box offers 再試行 and キャンセル.
inline constexpr char kSaveFailedAtExit[] =
    "\n\n原因（ディスクの空き不足など）を取り除いてから「再試行」を押してください。"
    "「キャンセル」を押すと保存せずに終了し、保存できなかった変更は失われます。";
inline constexpr char kRetryButton[] = "再試行(&R)";
// The data folder went away while running. %1: the folder, %2: the system's error text
// or where the collection goes instead.
inline constexpr char kDataFolderRemade[] =
    "設定とアイテムを置くフォルダー %1 が削除されたか移動されたため、作り直して保存しました。";
inline constexpr char kDataFolderLost[] =
    "設定とアイテムを置くフォルダー %1 が削除されたか移動され、作り直せませんでした。\n%2";
inline constexpr char kDataFolderTaken[] =
    "設定とアイテムを置くフォルダー %1 はほかの VOSTEK "
    "が使い始めたため、そのファイルは上書きしません。\n"
    "この間の変更は %2 に保存します。";
// items.vkd turned into something a save cannot replace. %1: it, %2: the file beside it.
inline constexpr char kCollectionNoLongerFile[] =
    "%1 がファイルではなくなっているため、上書きしません。\n"
    "この間の変更は %2 に保存します。";
// At exit, after a start that could not use the file. %1: the file, %2: where it went.
inline constexpr char kCollectionSavedAside[] =
    "%1 には保存できないため、アイテムとグループを %2 に保存しました。";

// An item whose place the collection file records in another system's form.
inline constexpr char kForeignIdList[] =
    "このアイテムの場所は別のシステム用の形式で記録されているため、ここでは開けません。\n"
    "アイテムは削除するまでそのまま残します。";

inline constexpr char kGroupNameFormat[] = "グループ%d";
inline constexpr char kDefaultGroupName[] = "グループ0";
inline constexpr char kUnknownName[] = "???";

inline constexpr char kBalloonTitle[] = "Hello! It's VOSTEK!";
inline constexpr char kBalloonText[] =
    "ウインドウを表示させるには、Altを押しながらスペースキーを押してください。\n"
    "終了させたいときは、このアイコンを右クリックして、終了を選んでください。";
// The greeting for a hot-key other than Alt+Space (%1: its name), and for none.
inline constexpr char kBalloonTextOtherKey[] =
    "ウインドウを表示させるには、%1 を押してください。\n"
    "終了させたいときは、このアイコンを右クリックして、終了を選んでください。";
// %1: the click that shows the window on the tray in use.
inline constexpr char kBalloonTextNoKey[] =
    "ウインドウを表示させるには、このアイコンを%1してください。\n"
    "終了させたいときは、このアイコンを右クリックして、終了を選んでください。";
// A hot-key that could not be registered at start. %1: its name, %2: the click that
// shows the window on the tray in use.
inline constexpr char kHotKeyUnavailableTitle[] = "%1 を使えません";
inline constexpr char kHotKeyUnavailableText[] =
    "%1 はほかのプログラムが使っているか、デスクトップに断られたため、"
    "VOSTEK の表示に使えません。ウインドウはこのアイコンの%2で表示できます。\n"
    "別のキーにするには、この吹き出しをクリックするか、設定メニューの「ホットキーの設定」を"
    "選んでください。";
// A desktop where programs cannot own a global key (Wayland without the portal's
// global shortcuts): the desktop's own shortcut settings are the way left. %1: the key,
// %2: the click that shows the window on the tray in use.
inline constexpr char kHotKeyNotHereText[] =
    "このデスクトップでは、プログラムがホットキーを登録できないため、%1 を VOSTEK の表示に"
    "使えません。ウインドウはこのアイコンの%2で表示できます。\n"
    "キーで表示するには、デスクトップのキーボード設定で「vostek --toggle」をショートカットに"
    "割り当ててください。";

// The hot-key dialog. %1: the combination pressed, %2: the desktop's name for it.
inline constexpr char kHotKeyDialogTitle[] = "ホットキーの設定";
inline constexpr char kHotKeyDialogPrompt[] = "VOSTEK を表示するキーの組み合わせを押してください。";
inline constexpr char kHotKeyNoneButton[] = "なし(&N)";
inline constexpr char kHotKeyNone[] = "なし";
inline constexpr char kHotKeyVerdictAsking[] = "%1 をデスクトップに登録しています...";
inline constexpr char kHotKeyVerdictHeld[] = "%1 を使えます。";
inline constexpr char kHotKeyVerdictHeldAs[] = "%1 を使えます（デスクトップでの表記: %2）。";
inline constexpr char kHotKeyVerdictTaken[] =
    "%1 はほかのプログラムが使っているか、デスクトップに断られたため、使えません。"
    "別の組み合わせを押してください。";
inline constexpr char kHotKeyVerdictNotHere[] =
    "このデスクトップでは、プログラムがホットキーを登録できません。"
    "デスクトップのキーボード設定で「vostek --toggle」をショートカットに割り当ててください。";
inline constexpr char kHotKeyVerdictNone[] =
    "ホットキーを使いません。ウインドウはトレイのアイコンから表示できます。";
// The portal's description of the shortcut, shown in the desktop's shortcut settings.
inline constexpr char kHotKeyShortcutDescription[] = "VOSTEK を表示";

// The click that shows the window: a StatusNotifierItem host reports single clicks
// only, a tray that embeds the icon passes double clicks on.
inline constexpr char kTrayClickSingle[] = "クリック";
inline constexpr char kTrayClickDouble[] = "ダブルクリック";

inline constexpr char kAddFileHint[] =
    "ウインドウに追加したいアイコンをドラッグ＆ドロップして下さい。";
inline constexpr char kDeleteGroupQuestion[] =
    "グループ内のアイテムも削除されます。\n%sを削除しますか？";
inline constexpr char kEnterName[] = "入力してください。";
inline constexpr char kGroupNameDialogTitle[] = "グループ名を入力してください";
inline constexpr char kOkButton[] = "OK";
inline constexpr char kCancelButton[] = "キャンセル";

inline constexpr char kTitleSuffix[] = " - VOSTEK";
inline constexpr char kPopularTitle[] = "（よく使うファイル） - VOSTEK";
inline constexpr char kRecentTitle[] = "（最近使ったファイル） - VOSTEK";
inline constexpr char kSearchAllPrefix[] = "ALL > [";

}  // namespace texts
