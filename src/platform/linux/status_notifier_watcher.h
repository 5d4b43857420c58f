#pragma once

// Whether a StatusNotifierItem host runs: its watcher owns its name on the session bus.
// Without a session bus there is none, and the bus is not looked for again.
bool IsStatusNotifierWatcherRunning();
