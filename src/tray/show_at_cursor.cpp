#include "tray/show_at_cursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "tray/window_activation.h"
#include "tray/window_placement.h"

void ShowAtCursor(QWidget* window) {
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary != nullptr) {
    window->move(PlaceAtCursor(QCursor::pos(), window->frameGeometry().size(),
                               primary->availableGeometry()));
  }
  window->show();
  ActivateWindow(window);
}
