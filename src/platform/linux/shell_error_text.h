#pragma once

#include <glib.h>

#include <string>

// The message of a GLib error, which GLib has already put in the user's language; the
// error is freed.
inline std::string TakeErrorText(GError* error) {
  std::string text = error != nullptr ? error->message : "";
  g_clear_error(&error);
  return text;
}

// The system's text for an errno value, in the user's language and in UTF-8.
inline std::string ErrnoText(int number) {
  return g_strerror(number);
}
