#include "platform/linux/portal_shortcut_way.h"

#include <gio/gio.h>

#define XK_MISCELLANY
#define XK_LATIN1
#include <X11/keysym.h>

#include <cstring>
#include <string_view>

#include "platform/linux/x11_key_mapping.h"
#include "resources/virtual_keys.h"

namespace {

constexpr char kPortal[] = "org.freedesktop.portal.Desktop";
constexpr char kPortalPath[] = "/org/freedesktop/portal/desktop";
constexpr char kShortcuts[] = "org.freedesktop.portal.GlobalShortcuts";
constexpr char kShortcutId[] = "show";
constexpr guint32 kResponseSuccess = 0;

struct NamedKeysym {
  X11Keysym keysym;
  std::string_view name;
};

// The names of keysyms that are not their own character.
constexpr NamedKeysym kKeysymNames[] = {
    {XK_space, "space"},
    {XK_semicolon, "semicolon"},
    {XK_equal, "equal"},
    {XK_comma, "comma"},
    {XK_minus, "minus"},
    {XK_period, "period"},
    {XK_slash, "slash"},
    {XK_grave, "grave"},
    {XK_bracketleft, "bracketleft"},
    {XK_backslash, "backslash"},
    {XK_bracketright, "bracketright"},
    {XK_apostrophe, "apostrophe"},
    {XK_BackSpace, "BackSpace"},
    {XK_Tab, "Tab"},
    {XK_Return, "Return"},
    {XK_Pause, "Pause"},
    {XK_Caps_Lock, "Caps_Lock"},
    {XK_Hiragana_Katakana, "Hiragana_Katakana"},
    {XK_Kanji, "Kanji"},
    {XK_Escape, "Escape"},
    {XK_Henkan, "Henkan"},
    {XK_Muhenkan, "Muhenkan"},
    {XK_Prior, "Prior"},
    {XK_Next, "Next"},
    {XK_End, "End"},
    {XK_Home, "Home"},
    {XK_Left, "Left"},
    {XK_Up, "Up"},
    {XK_Right, "Right"},
    {XK_Down, "Down"},
    {XK_Print, "Print"},
    {XK_Insert, "Insert"},
    {XK_Delete, "Delete"},
    {XK_Super_L, "Super_L"},
    {XK_Super_R, "Super_R"},
    {XK_Menu, "Menu"},
    {XK_KP_Multiply, "KP_Multiply"},
    {XK_KP_Add, "KP_Add"},
    {XK_KP_Separator, "KP_Separator"},
    {XK_KP_Subtract, "KP_Subtract"},
    {XK_KP_Decimal, "KP_Decimal"},
    {XK_KP_Divide, "KP_Divide"},
    {XK_Num_Lock, "Num_Lock"},
    {XK_Scroll_Lock, "Scroll_Lock"},
};

std::string KeysymName(X11Keysym keysym) {
  if ((keysym >= XK_a && keysym <= XK_z) || (keysym >= XK_0 && keysym <= XK_9)) {
    return std::string(1, static_cast<char>(keysym));
  }
  if (keysym >= XK_KP_0 && keysym <= XK_KP_9) {
    return "KP_" + std::to_string(keysym - XK_KP_0);
  }
  if (keysym >= XK_F1 && keysym <= XK_F1 + 23) {
    return "F" + std::to_string(keysym - XK_F1 + 1);
  }
  for (const NamedKeysym& entry : kKeysymNames) {
    if (entry.keysym == keysym) {
      return std::string(entry.name);
    }
  }
  return {};
}

// The trigger description of our shortcut in a portal's list of shortcuts.
std::string TriggerOf(GVariant* shortcuts) {
  std::string trigger;
  GVariantIter iter;
  g_variant_iter_init(&iter, shortcuts);
  const gchar* id = nullptr;
  GVariant* options = nullptr;
  while (g_variant_iter_next(&iter, "(&s@a{sv})", &id, &options)) {
    const gchar* description = nullptr;
    if (std::strcmp(id, kShortcutId) == 0 &&
        g_variant_lookup(options, "trigger_description", "&s", &description)) {
      trigger = description;
    }
    g_variant_unref(options);
  }
  return trigger;
}

GVariant* Token(const std::string& token) {
  return g_variant_new_string(token.c_str());
}

// One session of the portal with our one shortcut; see MakePortalShortcutWay.
class PortalShortcutWay : public HotKeyWay {
 public:
  explicit PortalShortcutWay(std::string description);
  ~PortalShortcutWay() override;
  PortalShortcutWay(const PortalShortcutWay&) = delete;
  PortalShortcutWay& operator=(const PortalShortcutWay&) = delete;

  void Take(const HotKeyCombination& combination) override;

 private:
  enum class Step { Idle, Checking, Creating, Binding };

  void Next();
  void Answer(HotKeyAnswer answer, const std::string& desktopName);
  void CheckPortal();
  void CreateSession();
  void Bind();
  void CloseSession();
  std::string NewRequestPath(const std::string& token) const;
  void OnCheckDone(bool present);
  void OnCallRefused();
  void OnResponse(const char* path, GVariant* parameters);
  void OnShortcutSignal(const char* signal, GVariant* parameters);

  struct Callbacks;  // GLib's callbacks into the above
  friend struct Callbacks;

  std::string m_description;
  GDBusConnection* m_bus = nullptr;
  GCancellable* m_cancellable = nullptr;
  unsigned m_responseSubscription = 0;
  unsigned m_shortcutSubscription = 0;
  enum class Portal { Unknown, Present, Absent } m_portal = Portal::Unknown;
  std::deque<HotKeyCombination> m_asks;
  Step m_step = Step::Idle;
  std::string m_awaitedRequest;  // the request whose Response the current step waits for
  std::string m_session;         // empty until a session exists
  int m_tokens = 0;
};

}  // namespace

struct PortalShortcutWay::Callbacks {
  // The reply to a call; false when the way is gone (the call was cancelled).
  static bool Finish(GObject* source, GAsyncResult* result, bool& succeeded) {
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error);
    succeeded = reply != nullptr;
    if (reply != nullptr) {
      g_variant_unref(reply);
      return true;
    }
    const bool gone = g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED);
    g_error_free(error);
    return !gone;
  }

  static void OnCheckDone(GObject* source, GAsyncResult* result, gpointer self) {
    bool present = false;
    if (Finish(source, result, present)) {
      // The version property is there only where the portal offers global shortcuts.
      static_cast<PortalShortcutWay*>(self)->OnCheckDone(present);
    }
  }

  static void OnCallDone(GObject* source, GAsyncResult* result, gpointer self) {
    bool succeeded = false;
    // A call taken answers with the request's Response signal.
    if (Finish(source, result, succeeded) && !succeeded) {
      static_cast<PortalShortcutWay*>(self)->OnCallRefused();
    }
  }

  static void OnSignal(GDBusConnection* /*connection*/, const gchar* /*sender*/, const gchar* path,
                       const gchar* interface, const gchar* signal, GVariant* parameters,
                       gpointer self) {
    auto* way = static_cast<PortalShortcutWay*>(self);
    if (std::strcmp(interface, kShortcuts) == 0) {
      way->OnShortcutSignal(signal, parameters);
    } else {
      way->OnResponse(path, parameters);
    }
  }
};

std::string PortalTrigger(const HotKeyCombination& combination) {
  const std::string key = KeysymName(VirtualKeyToKeysym(combination.virtualKey));
  if (combination.IsNone() || key.empty()) {
    return {};
  }
  std::string trigger;
  if ((combination.modFlags & vk::kModControl) != 0) {
    trigger += "CTRL+";
  }
  if ((combination.modFlags & vk::kModAlt) != 0) {
    trigger += "ALT+";
  }
  if ((combination.modFlags & vk::kModShift) != 0) {
    trigger += "SHIFT+";
  }
  if ((combination.modFlags & vk::kModWin) != 0) {
    trigger += "LOGO+";
  }
  return trigger + key;
}

PortalShortcutWay::PortalShortcutWay(std::string description)
    : m_description(std::move(description)), m_cancellable(g_cancellable_new()) {
  m_bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
  if (m_bus == nullptr) {
    m_portal = Portal::Absent;
    return;
  }
  m_responseSubscription = g_dbus_connection_signal_subscribe(
      m_bus, kPortal, "org.freedesktop.portal.Request", "Response", nullptr, nullptr,
      G_DBUS_SIGNAL_FLAGS_NONE, &Callbacks::OnSignal, this, nullptr);
  m_shortcutSubscription = g_dbus_connection_signal_subscribe(
      m_bus, kPortal, kShortcuts, nullptr, kPortalPath, nullptr, G_DBUS_SIGNAL_FLAGS_NONE,
      &Callbacks::OnSignal, this, nullptr);
}

PortalShortcutWay::~PortalShortcutWay() {
  g_cancellable_cancel(m_cancellable);
  if (m_bus != nullptr) {
    CloseSession();
    g_dbus_connection_signal_unsubscribe(m_bus, m_responseSubscription);
    g_dbus_connection_signal_unsubscribe(m_bus, m_shortcutSubscription);
    g_dbus_connection_flush_sync(m_bus, nullptr, nullptr);
    g_object_unref(m_bus);
  }
  g_object_unref(m_cancellable);
}

void PortalShortcutWay::Take(const HotKeyCombination& combination) {
  if (combination.IsNone()) {
    // The portal has no way to unbind one shortcut; ending the session lets it go.
    CloseSession();
    return;
  }
  m_asks.push_back(combination);
  if (m_step == Step::Idle) {
    Next();
  }
}

void PortalShortcutWay::Next() {
  m_step = Step::Idle;
  if (m_asks.empty()) {
    return;
  }
  switch (m_portal) {
    case Portal::Unknown:
      CheckPortal();
      break;
    case Portal::Absent:
      Answer(HotKeyAnswer::NotHere, {});
      break;
    case Portal::Present:
      if (m_session.empty()) {
        CreateSession();
      } else {
        Bind();
      }
      break;
  }
}

void PortalShortcutWay::Answer(HotKeyAnswer answer, const std::string& desktopName) {
  m_asks.pop_front();
  m_step = Step::Idle;
  if (answered) {
    answered(answer, desktopName);
  }
  Next();
}

void PortalShortcutWay::CheckPortal() {
  m_step = Step::Checking;
  g_dbus_connection_call(m_bus, kPortal, kPortalPath, "org.freedesktop.DBus.Properties", "Get",
                         g_variant_new("(ss)", kShortcuts, "version"), G_VARIANT_TYPE("(v)"),
                         G_DBUS_CALL_FLAGS_NONE, -1, m_cancellable, &Callbacks::OnCheckDone, this);
}

void PortalShortcutWay::OnCheckDone(bool present) {
  m_portal = present ? Portal::Present : Portal::Absent;
  Next();
}

std::string PortalShortcutWay::NewRequestPath(const std::string& token) const {
  // The portal names a request after the caller's unique name and the token given.
  std::string sender = g_dbus_connection_get_unique_name(m_bus) + 1;
  for (char& c : sender) {
    if (c == '.') {
      c = '_';
    }
  }
  return std::string(kPortalPath) + "/request/" + sender + "/" + token;
}

void PortalShortcutWay::CreateSession() {
  m_step = Step::Creating;
  const std::string token = "vostek" + std::to_string(++m_tokens);
  m_awaitedRequest = NewRequestPath(token);
  GVariantBuilder options;
  g_variant_builder_init(&options, G_VARIANT_TYPE_VARDICT);
  g_variant_builder_add(&options, "{sv}", "handle_token", Token(token));
  g_variant_builder_add(&options, "{sv}", "session_handle_token", Token(token));
  g_dbus_connection_call(m_bus, kPortal, kPortalPath, kShortcuts, "CreateSession",
                         g_variant_new("(a{sv})", &options), G_VARIANT_TYPE("(o)"),
                         G_DBUS_CALL_FLAGS_NONE, -1, m_cancellable, &Callbacks::OnCallDone, this);
}

void PortalShortcutWay::Bind() {
  m_step = Step::Binding;
  const std::string token = "vostek" + std::to_string(++m_tokens);
  m_awaitedRequest = NewRequestPath(token);
  GVariantBuilder shortcut;
  g_variant_builder_init(&shortcut, G_VARIANT_TYPE_VARDICT);
  g_variant_builder_add(&shortcut, "{sv}", "description", Token(m_description));
  const std::string trigger = PortalTrigger(m_asks.front());
  if (!trigger.empty()) {
    g_variant_builder_add(&shortcut, "{sv}", "preferred_trigger", Token(trigger));
  }
  GVariantBuilder shortcuts;
  g_variant_builder_init(&shortcuts, G_VARIANT_TYPE("a(sa{sv})"));
  g_variant_builder_add(&shortcuts, "(sa{sv})", kShortcutId, &shortcut);
  GVariantBuilder options;
  g_variant_builder_init(&options, G_VARIANT_TYPE_VARDICT);
  g_variant_builder_add(&options, "{sv}", "handle_token", Token(token));
  g_dbus_connection_call(
      m_bus, kPortal, kPortalPath, kShortcuts, "BindShortcuts",
      g_variant_new("(oa(sa{sv})sa{sv})", m_session.c_str(), &shortcuts, "", &options),
      G_VARIANT_TYPE("(o)"), G_DBUS_CALL_FLAGS_NONE, -1, m_cancellable, &Callbacks::OnCallDone,
      this);
}

void PortalShortcutWay::CloseSession() {
  if (m_session.empty()) {
    return;
  }
  g_dbus_connection_call(m_bus, kPortal, m_session.c_str(), "org.freedesktop.portal.Session",
                         "Close", nullptr, nullptr, G_DBUS_CALL_FLAGS_NO_AUTO_START, -1, nullptr,
                         nullptr, nullptr);
  m_session.clear();
}

void PortalShortcutWay::OnCallRefused() {
  // The portal turned the call down (a session it no longer knows, say): start afresh.
  m_session.clear();
  Answer(HotKeyAnswer::Taken, {});
}

void PortalShortcutWay::OnResponse(const char* path, GVariant* parameters) {
  if (m_step == Step::Idle || m_step == Step::Checking || m_awaitedRequest != path ||
      !g_variant_is_of_type(parameters, G_VARIANT_TYPE("(ua{sv})"))) {
    return;
  }
  guint32 response = 0;
  GVariant* results = nullptr;
  g_variant_get(parameters, "(u@a{sv})", &response, &results);
  if (m_step == Step::Creating) {
    // Some portal versions give the session's path as a string, others as a path.
    GVariant* session = g_variant_lookup_value(results, "session_handle", nullptr);
    if (response == kResponseSuccess && session != nullptr &&
        (g_variant_is_of_type(session, G_VARIANT_TYPE_STRING) ||
         g_variant_is_of_type(session, G_VARIANT_TYPE_OBJECT_PATH))) {
      m_session = g_variant_get_string(session, nullptr);
      Bind();
    } else {
      Answer(HotKeyAnswer::Taken, {});
    }
    if (session != nullptr) {
      g_variant_unref(session);
    }
  } else {
    GVariant* shortcuts = g_variant_lookup_value(results, "shortcuts", G_VARIANT_TYPE("a(sa{sv})"));
    const std::string trigger = shortcuts != nullptr ? TriggerOf(shortcuts) : std::string();
    if (shortcuts != nullptr) {
      g_variant_unref(shortcuts);
    }
    // The user declined in the desktop's confirmation, or it bound nothing of ours.
    Answer(response == kResponseSuccess ? HotKeyAnswer::Held : HotKeyAnswer::Taken, trigger);
  }
  g_variant_unref(results);
}

void PortalShortcutWay::OnShortcutSignal(const char* signal, GVariant* parameters) {
  const gchar* session = nullptr;
  if (m_session.empty()) {
    return;
  }
  if (std::strcmp(signal, "Activated") == 0 &&
      g_variant_is_of_type(parameters, G_VARIANT_TYPE("(osta{sv})"))) {
    const gchar* id = nullptr;
    g_variant_get(parameters, "(&o&sta{sv})", &session, &id, nullptr, nullptr);
    if (m_session == session && std::strcmp(id, kShortcutId) == 0 && pressed) {
      pressed();
    }
  } else if (std::strcmp(signal, "ShortcutsChanged") == 0 &&
             g_variant_is_of_type(parameters, G_VARIANT_TYPE("(oa(sa{sv}))"))) {
    GVariant* shortcuts = nullptr;
    g_variant_get(parameters, "(&o@a(sa{sv}))", &session, &shortcuts);
    if (m_session == session && renamed) {
      renamed(TriggerOf(shortcuts));
    }
    g_variant_unref(shortcuts);
  }
}

std::unique_ptr<HotKeyWay> MakePortalShortcutWay(std::string description) {
  return std::make_unique<PortalShortcutWay>(std::move(description));
}
