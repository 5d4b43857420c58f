#pragma once

#include <string>

class QWidget;

// Raises a shown top-level window and gives it the keyboard focus, also where the
// window manager's focus-stealing prevention would otherwise only flash its taskbar
// entry: the user asked for the window (hot-key, tray icon, drop, another start), so we
// ask as a pager does. `activationToken` is the token the desktop gave the start that
// asked for the window (its startup id on X11, its activation token on Wayland), or
// empty. Does nothing for a hidden window.
void ActivateWindow(QWidget* window, const std::string& activationToken = {});

// Whether `window` has the keyboard as the desktop sees it. On X11 that is the window
// manager's active window where it names one: the toolkit's own idea follows the X11
// input focus, which under XWayland may rest on a window the compositor has not
// focused.
bool IsWindowActive(const QWidget* window);

// Whether something decides which window is active and may refuse a request: a window
// manager or a compositor. Without one, an X11 window takes the focus itself.
bool DesktopMayRefuseActivation();
