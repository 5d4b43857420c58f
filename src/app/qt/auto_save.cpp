#include "app/qt/auto_save.h"

#include <QAbstractEventDispatcher>
#include <algorithm>
#include <utility>

AutoSave::AutoSave(std::function<bool()> changed, std::function<bool()> save, QObject* parent)
    : QObject(parent), m_changed(std::move(changed)), m_save(std::move(save)) {
  m_timer.setSingleShot(true);
  connect(&m_timer, &QTimer::timeout, this, &AutoSave::OnTimeout);
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          &AutoSave::OnAboutToWait);
}

void AutoSave::OnAboutToWait() {
  if (!m_changed()) {
    return;
  }
  if (m_latest.isForever()) {
    m_latest.setRemainingTime(kLongestWaitMilliseconds);
  }
  m_timer.start(
      static_cast<int>(std::clamp<qint64>(m_latest.remainingTime(), 0, kDelayMilliseconds)));
}

void AutoSave::OnTimeout() {
  m_latest = QDeadlineTimer(QDeadlineTimer::Forever);
  if (!m_save()) {
    // What failed is still unsaved: it waits no longer than the retry.
    m_latest.setRemainingTime(kRetryMilliseconds);
    m_timer.start(kRetryMilliseconds);
  }
}
