#include "view/qt/item_popup_menu.h"

#include "resources/command_ids.h"
#include "view/launcher_view.h"

namespace {

struct PopupEntry {
  const char* text;  // label, then the shortcut text after a tab
  int id;            // 0: separator
};

// Position 5 is the move-to-group sub-menu; it is inserted where this table has -1.
constexpr PopupEntry kListPopup[] = {
    {"起動する(&E)\tEnter, LDblClk", ID_ITEM_LAUNCH},
    {"フォルダを開く(&D)\tShift+Enter, WheelClk", ID_ITEM_OPENFOLDER},
    {nullptr, 0},
    {"名前の変更(&N)...\tF2", ID_ITEM_RENAME},
    {"削除(&R)\tDel", ID_ITEM_REMOVE},
    {nullptr, -1},
    {nullptr, 0},
    {"上へ移動(&U)\tCtrl + U", ID_ITEM_UP},
    {"下へ移動(&B)\tCtrl + D", ID_ITEM_DOWN},
};

constexpr char kMoveToGroupText[] = "別のグループへ移動(&M)";
constexpr char kPlaceholderText[] = "グループ0";

QAction* AddCommand(QMenu& menu, const QString& text, int id, bool enabled) {
  QAction* action = menu.addAction(text);
  action->setData(id);
  action->setEnabled(enabled);
  return action;
}

void AddMoveToGroupMenu(QMenu& popup, const MoveToGroupMenu& model,
                        const std::function<bool(int id)>& isEnabled) {
  QMenu* sub = popup.addMenu(QString::fromUtf8(kMoveToGroupText));
  if (model.greyed) {
    AddCommand(*sub, QString::fromUtf8(kPlaceholderText), ID_MOVE_TO_GROUP_PLACEHOLDER, false);
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
  for (const PopupEntry& entry : kListPopup) {
    if (entry.id == -1) {
      AddMoveToGroupMenu(*popup, moveToGroup, isEnabled);
    } else if (entry.id == 0) {
      popup->addSeparator();
    } else {
      AddCommand(*popup, QString::fromUtf8(entry.text), entry.id, isEnabled(entry.id));
    }
  }
  return popup;
}
