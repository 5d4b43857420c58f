#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "tray/window_placement.h"

class QWidget;

// The toolkit's geometry as the placement reads it.
ScreenPoint ToScreenPoint(const QPoint& point);
ScreenSize ToScreenSize(const QSize& size);
ScreenRect ToScreenRect(const QRect& rect);

// PlaceAtCursor in the toolkit's types.
QPoint PlaceAtCursor(const QPoint& cursor, const QSize& size, const QRect& workArea);

// What is known now of where the user looks: the pointer position (current only in an
// X11 session: XWayland reports the last position over an X11 window, Wayland none),
// and the focused window where the display names it.
ShowingPlace CurrentShowingPlace();

// Moves a top-level window of outer `size` to where it is shown for `place` on the
// screens there are now (see PlaceForShowing).
void MoveForShowing(QWidget* window, const ShowingPlace& place, const QSize& size);

// The outer size the window is made at (see SavedOuterSize), on the primary screen's
// work area.
QSize SavedOuterSizeOnPrimaryScreen();
