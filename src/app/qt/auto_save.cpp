#include "app/qt/auto_save.h"

#include <QAbstractEventDispatcher>
#include <utility>

AutoSave::AutoSave(std::function<bool()> changed, std::function<void()> save, QObject* parent)
    : QObject(parent), m_changed(std::move(changed)) {
  m_timer.setSingleShot(true);
  m_timer.setInterval(kDelayMilliseconds);
  connect(&m_timer, &QTimer::timeout, this, std::move(save));
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          &AutoSave::OnAboutToWait);
}

void AutoSave::OnAboutToWait() {
  if (m_changed()) {
    m_timer.start();
  }
}
