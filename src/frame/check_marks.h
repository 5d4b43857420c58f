#pragma once

#include <span>

#include "app/globals.h"

// The entries of the settings menu that carry a check mark, each mirroring one setting:
// checked while it is non-zero. Listed in the order the marks are set.
std::span<const int> CheckMarkIds();
// Whether the entry of `id` carries a check mark at all.
bool IsCheckMark(int id);
// Whether it is checked for `settings`; false for an entry without a mark.
bool IsChecked(int id, const Settings& settings);
