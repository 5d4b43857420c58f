// Ids of the Windows build's resources, for vostek.rc and the code alike (the resource
// compiler reads plain defines only). The menu, accelerator and command ids are those of
// resources/command_ids.h.
#pragma once

#define IDD_ABOUT_DIALOG 100
#define IDR_MAINFRAME_RESOURCE 128
#define IDD_TEXT_DIALOG 133
#define IDC_TEXT_EDIT 1000
#define IDC_ABOUT_VERSION 1001
#define IDD_HOTKEY_DIALOG 134
#define IDC_HOTKEY_PROMPT 1002
#define IDC_HOTKEY_FIELD 1003
#define IDC_HOTKEY_VERDICT 1004
#define IDC_HOTKEY_NONE 1005
