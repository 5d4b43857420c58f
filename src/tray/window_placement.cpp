#include "tray/window_placement.h"

namespace {

int PlaceOnAxis(int cursor, int length, int workAreaEnd) {
  const int start = cursor - length / 2;
  if (start < 0) {
    return 0;
  }
  if (start + length > workAreaEnd) {
    return workAreaEnd - length;
  }
  return start;
}

}  // namespace

QPoint PlaceAtCursor(QPoint cursor, QSize size, QRect workArea) {
  // QRect's right() is the last pixel inside; the edge lies one past it.
  return {PlaceOnAxis(cursor.x(), size.width(), workArea.x() + workArea.width()),
          PlaceOnAxis(cursor.y(), size.height(), workArea.y() + workArea.height())};
}

QSize FitInWorkArea(QSize size, QRect workArea) {
  return size.boundedTo(workArea.size());
}
