#pragma once

class QPoint;
class QSize;
class QWidget;

// Moves a top-level window of outer `size` so that it is centred on `cursor` inside the
// primary screen's work area (see PlaceAtCursor).
void MoveToCursor(QWidget* window, const QPoint& cursor, const QSize& size);

// `size` made to fit the primary screen's work area (see FitInWorkArea).
QSize FitOnPrimaryScreen(const QSize& size);
