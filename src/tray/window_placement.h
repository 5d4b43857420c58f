#pragma once

#include <optional>
#include <vector>

#include "app/globals.h"

// Screen coordinates as both toolkits give them, in the toolkit's own pixels.
struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

struct ScreenSize {
  int width = 0;
  int height = 0;
  bool operator==(const ScreenSize&) const = default;
};

// A rectangle by its top-left corner and its size; the right edge is x + width.
struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool Contains(ScreenPoint point) const {
    return point.x >= x && point.x < x + width && point.y >= y && point.y < y + height;
  }
  bool operator==(const ScreenRect&) const = default;
};

// Where a window of `size` goes when it is shown at the cursor: centred on it (halves
// truncated toward zero), then pulled back inside the work area's right and bottom
// edges. The lower bound is the screen origin 0, not the work area's edge, and a window
// pulled back from the right or bottom edge is not compared with 0 again, so a window
// wider than the work area can start left of the screen.
ScreenPoint PlaceAtCursor(ScreenPoint cursor, ScreenSize size, ScreenRect workArea);

// The outer size a window of `size` is given: no larger than the work area, so that a
// size from the settings file cannot make a window the screen cannot show.
ScreenSize FitInWorkArea(ScreenSize size, ScreenRect workArea);

// The outer size the window is made at: the saved one, or the default for a size that
// is no size (a hand-edited 0 or below), which would otherwise come up as the smallest
// the window allows and be saved as the user's; fitted to the work area.
ScreenSize SavedOuterSize(const Settings& settings, ScreenRect workArea);

// What is known, at a showing, of where the user looks.
struct ShowingPlace {
  bool cursorIsCurrent = false;      // the pointer position was read from the display just now
  ScreenPoint cursor;                // that position, or the last one known
  std::optional<ScreenPoint> focus;  // a point of the focused window, where one is known
};

// One screen: all of it, and its work area (without panels and docks).
struct ScreenArea {
  ScreenRect geometry;
  ScreenRect workArea;
};

// Where a window of `size` goes when it is shown; `screens` lists the primary first and
// is not empty. With a current cursor, at the cursor on the primary's work area
// (PlaceAtCursor). Otherwise the cursor may be anywhere but where it was read, so the
// window is centred in the work area of the screen that holds the focused window, or
// else the cursor's last known position, or else the primary; one larger than that work
// area starts at its left or top edge, so its caption stays on the screen.
ScreenPoint PlaceForShowing(const ShowingPlace& place, ScreenSize size,
                            const std::vector<ScreenArea>& screens);
