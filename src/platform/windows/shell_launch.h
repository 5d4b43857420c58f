#pragma once

#include <string>

#include "store/id_list.h"

// Opening objects with the shell's default action ("open"), without the shell's own
// error dialogs. On failure `error` gets the system's text.
bool OpenIdList(const IdList* list, std::string* error);
bool OpenFolderPath(const std::string& folder, std::string* error);

// The folder that holds `path`: its last component removed, as the shell does it (a
// drive root such as C:\ stays as it is).
std::string ContainingFolderPath(const std::string& path);
