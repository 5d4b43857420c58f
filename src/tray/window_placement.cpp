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

const ScreenArea* ScreenHolding(std::optional<ScreenPoint> point,
                                const std::vector<ScreenArea>& screens) {
  for (const ScreenArea& screen : screens) {
    if (point && screen.geometry.Contains(*point)) {
      return &screen;
    }
  }
  return nullptr;
}

}  // namespace

ScreenPoint PlaceAtCursor(ScreenPoint cursor, ScreenSize size, ScreenRect workArea) {
  return {PlaceOnAxis(cursor.x, size.width, workArea.x + workArea.width),
          PlaceOnAxis(cursor.y, size.height, workArea.y + workArea.height)};
}

ScreenSize FitInWorkArea(ScreenSize size, ScreenRect workArea) {
  return {std::min(size.width, workArea.width), std::min(size.height, workArea.height)};
}

ScreenSize SavedOuterSize(const Settings& settings, ScreenRect workArea) {
  const Settings defaults;
  return FitInWorkArea({settings.width > 0 ? settings.width : defaults.width,
                        settings.height > 0 ? settings.height : defaults.height},
                       workArea);
}

ScreenPoint PlaceForShowing(const ShowingPlace& place, ScreenSize size,
                            const std::vector<ScreenArea>& screens) {
  if (place.cursorIsCurrent) {
    return PlaceAtCursor(place.cursor, size, screens.front().workArea);
  }
  const ScreenArea* screen = ScreenHolding(place.focus, screens);
  if (screen == nullptr) {
    screen = ScreenHolding(place.cursor, screens);
  }
  const ScreenRect area = (screen != nullptr ? *screen : screens.front()).workArea;
  return {CentreOnAxis(area.x, area.width, size.width),
          CentreOnAxis(area.y, area.height, size.height)};
}
