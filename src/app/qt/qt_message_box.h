#pragma once

#include <string>

#include "app/message_box.h"

// A modal QMessageBox captioned "VOSTEK" with an OK button (or OK and Cancel), and the
// warning icon when asked for. A box that the end of the event loop closes counts as
// Cancel.
bool ShowQtMessageBox(const std::string& text, MessageButtons buttons, MessageIcon icon);

// Sends every message of the program to ShowQtMessageBox.
void InstallQtMessageBoxes();
