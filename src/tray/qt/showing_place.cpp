#include "tray/qt/showing_place.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <limits>

#include "app/globals.h"
#include "platform/linux/x11_where_user_looks.h"

ScreenPoint ToScreenPoint(const QPoint& point) {
  return {point.x(), point.y()};
}

ScreenSize ToScreenSize(const QSize& size) {
  return {size.width(), size.height()};
}

ScreenRect ToScreenRect(const QRect& rect) {
  return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QPoint PlaceAtCursor(const QPoint& cursor, const QSize& size, const QRect& workArea) {
  const ScreenPoint at =
      PlaceAtCursor(ToScreenPoint(cursor), ToScreenSize(size), ToScreenRect(workArea));
  return {at.x, at.y};
}

ShowingPlace CurrentShowingPlace() {
  ShowingPlace place;
  place.cursor = ToScreenPoint(QCursor::pos());
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr) {
    return place;
  }
  place.cursorIsCurrent = !X11ServerIsXWayland(x11->connection());
  if (place.cursorIsCurrent) {
    return place;
  }
  const std::optional<xcb_window_t> active = X11ActiveWindow(x11->connection());
  if (active) {
    if (const std::optional<X11Point> focus = X11WindowCentre(x11->connection(), *active)) {
      place.focus = ScreenPoint{focus->x, focus->y};
    }
  }
  return place;
}

void MoveForShowing(QWidget* window, const ShowingPlace& place, const QSize& size) {
  QScreen* primary = QGuiApplication::primaryScreen();
  if (primary == nullptr) {
    return;
  }
  std::vector<ScreenArea> screens{
      {ToScreenRect(primary->geometry()), ToScreenRect(primary->availableGeometry())}};
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen != primary) {
      screens.push_back(
          {ToScreenRect(screen->geometry()), ToScreenRect(screen->availableGeometry())});
    }
  }
  const ScreenPoint at = PlaceForShowing(place, ToScreenSize(size), screens);
  window->move(at.x, at.y);
}

QSize SavedOuterSizeOnPrimaryScreen() {
  const QScreen* primary = QGuiApplication::primaryScreen();
  // Without a screen nothing bounds the size.
  constexpr int kUnbounded = std::numeric_limits<int>::max() / 2;
  const ScreenRect workArea = primary != nullptr ? ToScreenRect(primary->availableGeometry())
                                                 : ScreenRect{0, 0, kUnbounded, kUnbounded};
  const ScreenSize size = SavedOuterSize(g_settings, workArea);
  return {size.width, size.height};
}
