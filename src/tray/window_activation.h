#pragma once

class QWidget;

// Raises a shown top-level window and gives it the keyboard focus, also where the
// window manager's focus-stealing prevention would otherwise only flash its taskbar
// entry: the user asked for the window (hot-key, tray icon, drop), so we ask as a pager
// does. Does nothing for a hidden window.
void ActivateWindow(QWidget* window);
