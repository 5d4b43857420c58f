#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP into the signal exitRequested() on the event loop.
// The handler itself only writes a byte into a pipe, which is all a signal handler may
// safely do; everything else happens on the event loop. The handlers are installed at
// construction, which may come before the toolkit's application exists, so that a
// signal is never lost to the default handler; Listen() then, with the application
// there, delivers it and every later one. One instance at a time; its destruction puts
// the default handlers back, unless IgnoreAfterwards() was called.
class ExitSignals : public QObject {
  Q_OBJECT

 public:
  explicit ExitSignals(QObject* parent = nullptr);
  ~ExitSignals() override;
  ExitSignals(const ExitSignals&) = delete;
  ExitSignals& operator=(const ExitSignals&) = delete;

  // Delivers the signals received so far and from now on; needs the application.
  void Listen();

  // From the destruction on, the signals are ignored: for the end of the process, when
  // the files are written and a late signal must not turn the rest into a failure.
  void IgnoreAfterwards() { m_ignoreAfterwards = true; }

 signals:
  void exitRequested();  // once per signal received

 private:
  void Drain();

  QSocketNotifier* m_notifier = nullptr;
  bool m_ignoreAfterwards = false;
};
