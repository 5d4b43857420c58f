#pragma once

#include <QList>
#include <functional>
#include <span>

#include "resources/menus.h"

class QAction;
class QMenu;

// Appends the entries of a menu table to `menu`: a separator where the table has one,
// else an entry with its text (the part after the tab shows as the shortcut column) and
// its command id as data, which runs `run(id)` when chosen. Returns the entries added,
// separators left out.
QList<QAction*> AddMenuEntries(QMenu& menu, std::span<const MenuEntry> entries,
                               const std::function<void(int id)>& run);
