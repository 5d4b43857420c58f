#pragma once

#include <QIcon>

// The application icon (window, tray, version dialog), drawn as SVG so it stays sharp
// at every scale.
QIcon ApplicationIcon();

// An icon of the program's own resources, by its resource path.
QIcon ResourceIcon(const char* path);
