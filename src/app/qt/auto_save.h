#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// Calls `save` a few seconds after the last change. Whenever the event loop is about to
// wait, `changed` says whether anything changed since it was last asked; a change
// (re)starts one single-shot timer. Nothing runs while nothing changes, and two saves
// are always at least the delay apart.
class AutoSave : public QObject {
  Q_OBJECT

 public:
  static constexpr int kDelayMilliseconds = 3000;

  AutoSave(std::function<bool()> changed, std::function<void()> save, QObject* parent = nullptr);

 private:
  void OnAboutToWait();

  std::function<bool()> m_changed;
  QTimer m_timer;
};
