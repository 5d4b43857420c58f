#include "frame/qt/menu_entries.h"

#include <QMenu>

QList<QAction*> AddMenuEntries(QMenu& menu, std::span<const MenuEntry> entries,
                               const std::function<void(int id)>& run) {
  QList<QAction*> added;
  for (const MenuEntry& entry : entries) {
    if (entry.text == nullptr) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(QString::fromUtf8(entry.text));
    const int id = entry.id;
    action->setData(id);
    QObject::connect(action, &QAction::triggered, &menu, [run, id] { run(id); });
    added.append(action);
  }
  return added;
}
