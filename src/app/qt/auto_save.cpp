#include "app/qt/auto_save.h"

#include <QAbstractEventDispatcher>
#include <utility>

AutoSave::AutoSave(std::function<void()> aboutToWait, std::function<void()> timeout,
                   QObject* parent)
    : QObject(parent), m_aboutToWait(std::move(aboutToWait)), m_timeout(std::move(timeout)) {
  m_timer.setSingleShot(true);
  connect(&m_timer, &QTimer::timeout, this, [this] { m_timeout(); });
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          [this] { m_aboutToWait(); });
}

void AutoSave::Start(int milliseconds) {
  m_timer.start(milliseconds);
}
