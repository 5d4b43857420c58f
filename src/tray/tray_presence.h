#pragma once

#include <functional>
#include <memory>

#include "tray/hot_key_keeper.h"
#include "tray/notification_icon.h"

// What the program does in the tray, over the icon and one way of owning the hot-key:
// the tray menu's show entry names the key in force, the very first start is greeted
// (the settings' help_start), a configured key that cannot be had is reported in a
// balloon whose click opens the hot-key dialog, a key the dialog keeps goes into the
// settings, and a press of the key shows the window.
class TrayPresence {
 public:
  TrayPresence(NotificationIcon& icon, std::unique_ptr<HotKeyWay> way, std::function<void()> show,
               std::function<void()> openHotKeySettings);

  // Greets on the very first start, then asks for the settings' key. The report of a key
  // not had comes after the greeting and takes its place: the greeting would name a key
  // that does not work.
  void Start();
  HotKeyKeeper& HotKey() { return m_hotKey; }

 private:
  void OnHotKeyChanged();

  NotificationIcon& m_icon;
  HotKeyCombination m_configured;
  HotKeyKeeper m_hotKey;
};
