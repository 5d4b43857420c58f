#include "view/qt/item_popup_menu.h"

#include <iterator>

#include "resources/menus.h"
#include "view/launcher_view.h"

namespace {

void AddCommand(QMenu& menu, const QString& text, int id, bool enabled) {
  QAction* action = menu.addAction(text);
  action->setData(id);
  action->setEnabled(enabled);
}

void AddMoveToGroupMenu(QMenu& popup, const MoveToGroupMenu& model,
                        const std::function<bool(int id)>& isEnabled) {
  QMenu* sub = popup.addMenu(QString::fromUtf8(menus::kMoveToGroupTitle));
  if (model.greyed) {
    AddCommand(*sub, QString::fromUtf8(menus::kMoveToGroupPlaceholder.text),
               menus::kMoveToGroupPlaceholder.id, false);
    sub->menuAction()->setEnabled(false);
    return;
  }
  for (const MoveToGroupEntry& entry : model.entries) {
    // A group name may hold '&'; doubled it shows as itself instead of a mnemonic.
    QString text = QString::fromStdString(entry.text);
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    AddCommand(*sub, text, entry.id, entry.enabled && isEnabled(entry.id));
  }
}

}  // namespace

std::unique_ptr<QMenu> BuildItemPopupMenu(const MoveToGroupMenu& moveToGroup,
                                          const std::function<bool(int id)>& isEnabled,
                                          QWidget* parent) {
  auto popup = std::make_unique<QMenu>(parent);
  for (int i = 0; i < std::ssize(menus::kItemMenu); ++i) {
    if (i == menus::kMoveToGroupPosition) {
      AddMoveToGroupMenu(*popup, moveToGroup, isEnabled);
    }
    const MenuEntry& entry = menus::kItemMenu[i];
    if (entry.text == nullptr) {
      popup->addSeparator();
    } else {
      AddCommand(*popup, QString::fromUtf8(entry.text), entry.id, isEnabled(entry.id));
    }
  }
  return popup;
}
