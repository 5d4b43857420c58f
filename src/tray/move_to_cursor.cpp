#include "tray/move_to_cursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "tray/window_placement.h"

void MoveToCursor(QWidget* window) {
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary != nullptr) {
    window->move(PlaceAtCursor(QCursor::pos(), window->frameGeometry().size(),
                               primary->availableGeometry()));
  }
}
