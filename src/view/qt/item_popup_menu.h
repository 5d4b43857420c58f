#pragma once

#include <QMenu>
#include <functional>
#include <memory>

struct MoveToGroupMenu;

// The item popup "list": launch, open folder, rename, remove, the move-to-group sub-menu
// and move up/down. Every entry carries its command id as its data and is enabled by
// `isEnabled` as the menu is built, so the rules apply at the moment it opens.
std::unique_ptr<QMenu> BuildItemPopupMenu(const MoveToGroupMenu& moveToGroup,
                                          const std::function<bool(int id)>& isEnabled,
                                          QWidget* parent);
