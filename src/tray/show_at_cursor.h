#pragma once

class QWidget;

// Shows a hidden top-level window centred on the mouse cursor inside the primary
// screen's work area (see PlaceAtCursor), on top, with the keyboard focus.
void ShowAtCursor(QWidget* window);
