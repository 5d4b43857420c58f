#pragma once

#include <QSystemTrayIcon>

// Whether an activation of the tray icon shows the window. A host that embeds the
// icon's own window (XEmbed) passes every click on, so there only a double click shows
// it, as the user knows from Windows. A StatusNotifierItem host reports one activation
// per click and never a double click, so there the single activation shows it.
bool TrayActivationShowsWindow(QSystemTrayIcon::ActivationReason reason,
                               bool hostReportsDoubleClicks);
