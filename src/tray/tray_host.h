#pragma once

// The kind of tray that shows the icon: a StatusNotifierItem host on the session bus,
// or an X11 tray that embeds the icon's own window (XEmbed).
enum class TrayHost { None, StatusNotifier, Embedding };

// The tray host the toolkit would put the icon into now: a StatusNotifierItem host
// first, as the toolkit prefers it; an embedding tray only on X11.
TrayHost FindTrayHost();

// Whether the toolkit settles the kind of tray once, when the icon is made: on X11 it
// then keeps it, so the icon is made only once a host runs. Elsewhere it follows a
// StatusNotifierItem host that comes later on its own.
bool TrayKindIsFixedAtIconCreation();
