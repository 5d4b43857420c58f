#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// The file session's timer in Qt: `aboutToWait` runs whenever the event loop is about
// to wait, `timeout` when the single-shot timer that Start (re)starts runs out.
class AutoSave : public QObject {
  Q_OBJECT

 public:
  AutoSave(std::function<void()> aboutToWait, std::function<void()> timeout,
           QObject* parent = nullptr);

  void Start(int milliseconds);

 private:
  std::function<void()> m_aboutToWait;
  std::function<void()> m_timeout;
  QTimer m_timer;
};
