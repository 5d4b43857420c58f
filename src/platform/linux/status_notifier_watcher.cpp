#include "platform/linux/status_notifier_watcher.h"

#include <gio/gio.h>

namespace {

constexpr char kWatcherName[] = "org.kde.StatusNotifierWatcher";
// The bus answers at once; a hung one must not hold the window up for long.
constexpr int kCallTimeoutMs = 500;

}  // namespace

bool IsStatusNotifierWatcherRunning() {
  // Looking for a missing bus may start a helper program every time.
  static bool busMissing = false;
  if (busMissing) {
    return false;
  }
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
  if (bus == nullptr) {
    busMissing = true;
    return false;
  }
  GVariant* reply = g_dbus_connection_call_sync(
      bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
      g_variant_new("(s)", kWatcherName), G_VARIANT_TYPE("(b)"), G_DBUS_CALL_FLAGS_NONE,
      kCallTimeoutMs, nullptr, nullptr);
  g_object_unref(bus);
  gboolean owned = FALSE;
  if (reply != nullptr) {
    g_variant_get(reply, "(b)", &owned);
    g_variant_unref(reply);
  }
  return owned != FALSE;
}
