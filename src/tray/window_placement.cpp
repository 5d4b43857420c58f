#include "tray/window_placement.h"

#include <algorithm>

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

int CentreOnAxis(int areaStart, int areaLength, int length) {
  return areaStart + std::max(0, (areaLength - length) / 2);
}

const ScreenArea* ScreenHolding(std::optional<QPoint> point,
                                const std::vector<ScreenArea>& screens) {
  for (const ScreenArea& screen : screens) {
    if (point && screen.geometry.contains(*point)) {
      return &screen;
    }
  }
  return nullptr;
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

QPoint PlaceForShowing(const ShowingPlace& place, QSize size,
                       const std::vector<ScreenArea>& screens) {
  if (place.cursorIsCurrent) {
    return PlaceAtCursor(place.cursor, size, screens.front().workArea);
  }
  const ScreenArea* screen = ScreenHolding(place.focus, screens);
  if (screen == nullptr) {
    screen = ScreenHolding(place.cursor, screens);
  }
  const QRect area = (screen != nullptr ? *screen : screens.front()).workArea;
  return {CentreOnAxis(area.x(), area.width(), size.width()),
          CentreOnAxis(area.y(), area.height(), size.height())};
}
