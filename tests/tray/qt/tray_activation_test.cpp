#include "tray/qt/tray_activation.h"

#include <gtest/gtest.h>

namespace {

TEST(TrayActivation, ADoubleClickShowsAndASingleActivationOnlyWhereNoDoubleClicksCome) {
  EXPECT_TRUE(TrayActivationShowsWindow(QSystemTrayIcon::DoubleClick, true));
  EXPECT_TRUE(TrayActivationShowsWindow(QSystemTrayIcon::DoubleClick, false));
  EXPECT_FALSE(TrayActivationShowsWindow(QSystemTrayIcon::Trigger, true));
  EXPECT_TRUE(TrayActivationShowsWindow(QSystemTrayIcon::Trigger, false));
  for (const bool doubleClicks : {true, false}) {
    EXPECT_FALSE(TrayActivationShowsWindow(QSystemTrayIcon::Context, doubleClicks));
    EXPECT_FALSE(TrayActivationShowsWindow(QSystemTrayIcon::MiddleClick, doubleClicks));
    EXPECT_FALSE(TrayActivationShowsWindow(QSystemTrayIcon::Unknown, doubleClicks));
  }
}

}  // namespace
