#pragma once

#include <deque>
#include <string>

#include "tray/hot_key_keeper.h"

// GLib's types, named here without its headers, which the toolkit's keywords clash with.
using GDBusConnection = struct _GDBusConnection;
using GCancellable = struct _GCancellable;
using GVariant = struct _GVariant;

// The hot-key as a shortcut of the desktop's global-shortcuts portal
// (org.freedesktop.portal.GlobalShortcuts on the session bus): one session, one shortcut
// "show", bound with the combination as its preferred trigger. The desktop may ask the
// user, keep a trigger the user chose earlier or rebind it later; its trigger
// description is passed on as the key's name. Without a session bus or without the
// portal, every ask is answered NotHere. Replies arrive through the thread's GLib main
// context, which the toolkit's event loop runs.
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

// The trigger in the form of the desktop's shortcut strings ("CTRL+ALT+space"); empty
// for none or a key without a name there.
std::string PortalTrigger(const HotKeyCombination& combination);
