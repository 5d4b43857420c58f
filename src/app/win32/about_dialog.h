#pragma once

#include <windows.h>

// The version dialog (IDD_ABOUTBOX), modal over `owner`.
void RunAboutDialog(HWND owner);
