#pragma once

#include "tray/window_placement.h"

class QWidget;

// What is known now of where the user looks: the pointer position (current only in an
// X11 session: XWayland reports the last position over an X11 window, Wayland none),
// and the focused window where the display names it.
ShowingPlace CurrentShowingPlace();

// Moves a top-level window of outer `size` to where it is shown for `place` on the
// screens there are now (see PlaceForShowing).
void MoveForShowing(QWidget* window, const ShowingPlace& place, const QSize& size);

// `size` made to fit the primary screen's work area (see FitInWorkArea).
QSize FitOnPrimaryScreen(const QSize& size);
