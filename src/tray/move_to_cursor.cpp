#include "tray/move_to_cursor.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "tray/window_placement.h"

void MoveToCursor(QWidget* window, const QPoint& cursor, const QSize& size) {
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary != nullptr) {
    window->move(PlaceAtCursor(cursor, size, primary->availableGeometry()));
  }
}

QSize FitOnPrimaryScreen(const QSize& size) {
  const QScreen* primary = QGuiApplication::primaryScreen();
  return primary != nullptr ? FitInWorkArea(size, primary->availableGeometry()) : size;
}
