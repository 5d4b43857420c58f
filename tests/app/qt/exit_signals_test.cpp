#include "app/qt/exit_signals.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <csignal>

// Two signals come before Listen(), as they may while the program starts, one after:
// each must arrive once, and the process live on.
TEST(ExitSignalsTest, EachSignalBecomesOneRequestOnTheEventLoop) {
  ExitSignals exitSignals;
  int requests = 0;
  QObject::connect(&exitSignals, &ExitSignals::exitRequested, [&requests] { ++requests; });

  ASSERT_EQ(std::raise(SIGTERM), 0);
  ASSERT_EQ(std::raise(SIGINT), 0);
  exitSignals.Listen();
  ASSERT_EQ(std::raise(SIGHUP), 0);
  EXPECT_EQ(requests, 0);  // nothing runs inside the handler

  QTimer guard;  // ends the loop should a request go missing; not a wait
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(0); });
  guard.start(2000);
  QObject::connect(&exitSignals, &ExitSignals::exitRequested, [&requests] {
    if (requests == 3) {
      QCoreApplication::exit(0);
    }
  });
  QCoreApplication::exec();
  EXPECT_EQ(requests, 3);
}
