#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>
#include <functional>

// Calls `save` a few seconds after the last change, and never later than
// kLongestWaitMilliseconds after the oldest change not yet saved, however busy the user
// is. Whenever the event loop is about to wait, `changed` says whether anything changed
// since it was last asked; a change (re)starts one single-shot timer. A save that fails
// (`save` returns false) is tried again after kRetryMilliseconds, or sooner on a change.
// Nothing runs while nothing changes.
class AutoSave : public QObject {
  Q_OBJECT

 public:
  static constexpr int kDelayMilliseconds = 3000;
  static constexpr int kLongestWaitMilliseconds = 10000;
  static constexpr int kRetryMilliseconds = kLongestWaitMilliseconds;

  AutoSave(std::function<bool()> changed, std::function<bool()> save, QObject* parent = nullptr);

 private:
  void OnAboutToWait();
  void OnTimeout();

  std::function<bool()> m_changed;
  std::function<bool()> m_save;
  QTimer m_timer;
  QDeadlineTimer m_latest{QDeadlineTimer::Forever};  // forever while nothing waits
};
