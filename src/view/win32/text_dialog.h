#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The group-name dialog (IDD_TEXT): opens empty; OK takes the text trimmed of
// single-byte white space and refuses an empty one with a message, keeping the dialog
// open. The trimmed name, or nothing on Cancel.
std::optional<std::string> RunTextDialog(HWND parent);
