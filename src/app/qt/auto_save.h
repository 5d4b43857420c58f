#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "app/file_session.h"

// The file session's timer in Qt: `aboutToWait` runs whenever the event loop is about
// to wait, `timeout` when the single-shot timer that Start (re)starts runs out.
class AutoSave : public QObject {
  Q_OBJECT

 public:
  static constexpr int kDelayMilliseconds = FileSession::kDelayMilliseconds;
  static constexpr int kLongestWaitMilliseconds = FileSession::kLongestWaitMilliseconds;
  static constexpr int kRetryMilliseconds = FileSession::kRetryMilliseconds;

  AutoSave(std::function<void()> aboutToWait, std::function<void()> timeout,
           QObject* parent = nullptr);

  void Start(int milliseconds);

 private:
  std::function<void()> m_aboutToWait;
  std::function<void()> m_timeout;
  QTimer m_timer;
};
