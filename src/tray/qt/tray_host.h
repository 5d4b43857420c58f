#pragma once

// The kind of tray that shows the icon: a StatusNotifierItem host on the session bus,
// or an X11 tray that embeds the icon's own window (XEmbed).
enum class TrayHost { None, StatusNotifier, Embedding };

// The tray host the toolkit would put the icon into now: a StatusNotifierItem host
// first, as the toolkit prefers it; an embedding tray only on X11.
TrayHost FindTrayHost();

// Whether the toolkit settles the tray once, when the icon is made, so that the icon is
// to be made only once a host runs: on X11 it keeps to the kind of tray it found then,
// and on both X11 and Wayland it offers a StatusNotifierItem only to a host that was
// there. Without a desktop (offscreen) no host ever comes.
bool TrayKindIsFixedAtIconCreation();
