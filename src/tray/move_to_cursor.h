#pragma once

class QWidget;

// Moves a top-level window so that it is centred on the mouse cursor inside the
// primary screen's work area (see PlaceAtCursor).
void MoveToCursor(QWidget* window);
