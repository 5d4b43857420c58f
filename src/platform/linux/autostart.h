#pragma once

#include <string>

#include "app/message_language.h"

// Starting at login through the desktop's autostart folder: the entry
// $XDG_CONFIG_HOME/autostart/vostek.desktop runs `program` (an absolute path).
// Writes (on) or removes (off) that entry; `report` receives one line in `language`
// saying what was done, or what went wrong when false is returned.
bool SetAutostart(bool on, const std::string& program, std::string* report,
                  MessageLanguage language = MessageLanguage::English);

// The entry's file; empty when there is no home folder.
std::string AutostartEntryPath();

// `program` as the Exec key of a desktop entry wants it: quoted when it holds anything
// but plain path characters, with the escapes of both the key and the string value.
std::string DesktopExecValue(const std::string& program);
