#include "tray/qt/showing_place.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/linux/x11_where_user_looks.h"

ShowingPlace CurrentShowingPlace() {
  ShowingPlace place;
  place.cursor = QCursor::pos();
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
      place.focus = QPoint(focus->x, focus->y);
    }
  }
  return place;
}

void MoveForShowing(QWidget* window, const ShowingPlace& place, const QSize& size) {
  QScreen* primary = QGuiApplication::primaryScreen();
  if (primary == nullptr) {
    return;
  }
  std::vector<ScreenArea> screens{{primary->geometry(), primary->availableGeometry()}};
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen != primary) {
      screens.push_back({screen->geometry(), screen->availableGeometry()});
    }
  }
  window->move(PlaceForShowing(place, size, screens));
}

QSize FitOnPrimaryScreen(const QSize& size) {
  const QScreen* primary = QGuiApplication::primaryScreen();
  return primary != nullptr ? FitInWorkArea(size, primary->availableGeometry()) : size;
}
