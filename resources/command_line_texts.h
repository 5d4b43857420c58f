#pragma once

// What the program prints on the command line, in English and in Japanese.

namespace texts {

// One command-line error in each language: %1 is the argument it is about.
struct CommandLineError {
  const char* english;
  const char* japanese;
};
inline constexpr CommandLineError kOnlyOneOption = {
    "only one option at a time, but %1 follows another",
    "オプションは一度に一つだけです（%1 がほかのオプションの後にあります）"};
inline constexpr CommandLineError kAutostartValue = {"--autostart takes on or off",
                                                     "--autostart には on か off を付けてください"};
inline constexpr CommandLineError kUnknownOption = {"unknown option %1",
                                                    "%1 というオプションはありません"};
inline constexpr CommandLineError kUnexpectedArgument = {"unexpected argument %1",
                                                         "%1 は受け付けない引数です"};

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
