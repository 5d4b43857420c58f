#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of `size` goes when it is shown at the cursor: centred on it (halves
// truncated toward zero), then pulled back inside the work area's right and bottom
// edges. The lower bound is the screen origin 0, not the work area's edge, and a window
// pulled back from the right or bottom edge is not compared with 0 again, so a window
// wider than the work area can start left of the screen.
QPoint PlaceAtCursor(QPoint cursor, QSize size, QRect workArea);

// The outer size a window of `size` is given: no larger than the work area, so that a
// size from the settings file cannot make a window the screen cannot show.
QSize FitInWorkArea(QSize size, QRect workArea);
