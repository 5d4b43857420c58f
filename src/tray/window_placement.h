#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

// Where a window of `size` goes when it is shown at the cursor: centred on it (halves
// truncated toward zero), then pulled back inside the work area's right and bottom
// edges. The lower bound is the screen origin 0, not the work area's edge, and a window
// pulled back from the right or bottom edge is not compared with 0 again, so a window
// wider than the work area can start left of the screen.
QPoint PlaceAtCursor(QPoint cursor, QSize size, QRect workArea);

// The outer size a window of `size` is given: no larger than the work area, so that a
// size from the settings file cannot make a window the screen cannot show.
QSize FitInWorkArea(QSize size, QRect workArea);

// What is known, at a showing, of where the user looks.
struct ShowingPlace {
  bool cursorIsCurrent = false;  // the pointer position was read from the display just now
  QPoint cursor;                 // that position, or the last one known
  std::optional<QPoint> focus;   // a point of the focused window, where one is known
};

// One screen: all of it, and its work area (without panels and docks).
struct ScreenArea {
  QRect geometry;
  QRect workArea;
};

// Where a window of `size` goes when it is shown; `screens` lists the primary first and
// is not empty. With a current cursor, at the cursor on the primary's work area
// (PlaceAtCursor). Otherwise the cursor may be anywhere but where it was read, so the
// window is centred in the work area of the screen that holds the focused window, or
// else the cursor's last known position, or else the primary; one larger than that work
// area starts at its left or top edge, so its caption stays on the screen.
QPoint PlaceForShowing(const ShowingPlace& place, QSize size,
                       const std::vector<ScreenArea>& screens);
