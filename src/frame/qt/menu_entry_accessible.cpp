#include "frame/qt/menu_entry_accessible.h"

#include <QAccessibleObject>
#include <QAction>
#include <QMenu>
#include <QPointer>

namespace {

QString TextBeforeTab(const QString& text) {
  return text.section(QLatin1Char('\t'), 0, 0);
}

QString TextAfterTab(const QString& text) {
  return text.section(QLatin1Char('\t'), 1);
}

// "&&" is a shown '&'; a single '&' marks the mnemonic and is not read.
QString WithoutMnemonicMarks(const QString& text) {
  QString plain;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
      ++i;
    }
    plain += text[i];
  }
  return plain;
}

class MenuEntryAccessible : public QAccessibleObject, public QAccessibleActionInterface {
 public:
  MenuEntryAccessible(QMenu* menu, QAction* action)
      : QAccessibleObject(action), m_menu(menu), m_action(action) {}

  bool isValid() const override { return m_menu != nullptr && m_action != nullptr; }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }

  QWindow* window() const override { return m_menu->windowHandle(); }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(m_menu);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessible::Role role() const override { return QAccessible::MenuItem; }

  QString text(QAccessible::Text which) const override {
    switch (which) {
      case QAccessible::Name:
        return WithoutMnemonicMarks(TextBeforeTab(m_action->text()));
      case QAccessible::Accelerator:
        return TextAfterTab(m_action->text());
      default:
        return {};
    }
  }

  QRect rect() const override {
    const QRect geometry = m_menu->actionGeometry(m_action);
    return {m_menu->mapToGlobal(geometry.topLeft()), geometry.size()};
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.disabled = !m_action->isEnabled();
    state.invisible = !m_action->isVisible() || !m_menu->isVisible();
    state.checkable = m_action->isCheckable();
    state.checked = m_action->isChecked();
    state.focused = state.hotTracked = m_menu->activeAction() == m_action;
    return state;
  }

  QStringList actionNames() const override {
    return m_action->isEnabled() ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && m_action->isEnabled()) {
      m_action->trigger();
    }
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    return name == pressAction() ? QStringList{TextAfterTab(m_action->text())} : QStringList{};
  }

 private:
  QPointer<QMenu> m_menu;
  QPointer<QAction> m_action;
};

QAccessibleInterface* MenuEntryWithShortcut(const QString& /*className*/, QObject* object) {
  auto* action = qobject_cast<QAction*>(object);
  if (action == nullptr || !action->text().contains(QLatin1Char('\t'))) {
    return nullptr;
  }
  for (QObject* owner : action->associatedObjects()) {
    if (auto* menu = qobject_cast<QMenu*>(owner)) {
      return new MenuEntryAccessible(menu, action);
    }
  }
  return nullptr;
}

}  // namespace

void InstallMenuEntryAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(MenuEntryWithShortcut);
    return true;
  }();
  static_cast<void>(installed);
}
