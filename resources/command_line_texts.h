#pragma once

// What the program prints on the command line, in English and in Japanese.

namespace texts {

// One line in each language. For an error, %1 is the argument it is about.
struct CommandLineText {
  const char* english;
  const char* japanese;
};
inline constexpr CommandLineText kOnlyOneOption = {
    "only one option at a time, but %1 follows another",
    "オプションは一度に一つだけです（%1 がほかのオプションの後にあります）"};
inline constexpr CommandLineText kAutostartValue = {"--autostart takes on or off",
                                                    "--autostart には on か off を付けてください"};
inline constexpr CommandLineText kUnknownOption = {"unknown option %1",
                                                   "%1 というオプションはありません"};
inline constexpr CommandLineText kUnexpectedArgument = {"unexpected argument %1",
                                                        "%1 は受け付けない引数です"};

// What --autostart did, or why it could not: %1 is the entry's file, %2 the system's
// reason.
inline constexpr CommandLineText kAutostartNoHome = {
    "no home folder to keep the autostart entry in",
    "自動起動の設定を置くホームフォルダーがありません"};
inline constexpr CommandLineText kAutostartCannotRemove = {"cannot remove %1: %2",
                                                           "%1 を削除できません: %2"};
inline constexpr CommandLineText kAutostartCannotWrite = {"cannot write %1: %2",
                                                          "%1 を書き込めません: %2"};
inline constexpr CommandLineText kAutostartOn = {
    "VOSTEK starts at login: wrote %1", "ログイン時に VOSTEK を起動します（%1 を作りました）"};
inline constexpr CommandLineText kAutostartOff = {
    "VOSTEK no longer starts at login: removed %1",
    "ログイン時に VOSTEK を起動しないようにしました（%1 を削除しました）"};
inline constexpr CommandLineText kAutostartWasOff = {
    "VOSTEK was not set to start at login: %1 does not exist",
    "ログイン時に起動する設定にはなっていません（%1 はありません）"};

// After each error, on the same line.
inline constexpr char kSeeHelpEnglish[] = " (see vostek --help)";
inline constexpr char kSeeHelpJapanese[] = "（使い方は vostek --help で表示できます）";

// What --help prints.
inline constexpr char kHelpEnglish[] =
    "Usage: vostek [OPTION]\n"
    "A small file launcher that waits in the system tray. Without an option it\n"
    "starts and waits there; Alt+Space or the tray icon brings up its window.\n"
    "\n"
    "  --show            bring up the window of the running VOSTEK (start one if\n"
    "                    none runs)\n"
    "  --toggle          bring up the window of the running VOSTEK, or hide it when\n"
    "                    it is shown (bind this to a key in the desktop's settings)\n"
    "  --hide            hide the window of the running VOSTEK\n"
    "  --autostart on    start VOSTEK at login (writes\n"
    "                    $XDG_CONFIG_HOME/autostart/vostek.desktop)\n"
    "  --autostart off   do not start VOSTEK at login (removes that file)\n"
    "  -h, --help        print this help and exit\n"
    "  --version         print the version and exit\n"
    "\n"
    "Files: setting.ini, items.vkd and an optional dict/ folder live in $VOSTEK_HOME\n"
    "when it is set, else in $XDG_DATA_HOME/vostek (~/.local/share/vostek).\n"
    "See man vostek for the settings.\n";

inline constexpr char kHelpJapanese[] =
    "使い方: vostek [オプション]\n"
    "システムトレイに常駐する小さなファイルランチャーです。オプションを付けずに起動\n"
    "するとトレイで待機し、Alt+スペースかトレイアイコンでウインドウを表示します。\n"
    "\n"
    "  --show            起動中の VOSTEK のウインドウを表示します\n"
    "                    （起動していなければ起動して表示します）\n"
    "  --toggle          起動中の VOSTEK のウインドウを表示し、表示中なら隠します\n"
    "                    （デスクトップの設定でキーに割り当てて使います）\n"
    "  --hide            起動中の VOSTEK のウインドウを隠します\n"
    "  --autostart on    ログイン時に VOSTEK を起動します\n"
    "                    （$XDG_CONFIG_HOME/autostart/vostek.desktop を作ります）\n"
    "  --autostart off   ログイン時に起動しないようにします\n"
    "                    （そのファイルを消します）\n"
    "  -h, --help        この説明を表示して終了します\n"
    "  --version         バージョンを表示して終了します\n"
    "\n"
    "ファイル: setting.ini、items.vkd と、あれば dict/ フォルダーは、$VOSTEK_HOME が\n"
    "設定されていればそこに、なければ $XDG_DATA_HOME/vostek（~/.local/share/vostek）\n"
    "に置きます。設定の項目は man vostek で説明しています。\n";

}  // namespace texts
