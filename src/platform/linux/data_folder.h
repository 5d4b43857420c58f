#pragma once

#include <string>

// The folder that holds setting.ini, items.vkd and the optional dict folder:
// $VOSTEK_HOME when set (a relative one is taken from the current folder), else
// $XDG_DATA_HOME/vostek, else ~/.local/share/vostek. Absolute, so the files stay
// where they are whatever the current folder becomes. Empty when there is no home.
std::string DataFolderPath();
