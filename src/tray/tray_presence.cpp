#include "tray/tray_presence.h"

#include <string_view>

#include "app/globals.h"
#include "resources/menus.h"
#include "resources/texts.h"

namespace {

// The tray menu's entry that shows the window, as the table writes it.
std::string_view ShowEntryTableText() {
  for (const MenuEntry& entry : menus::kTrayMenu) {
    if (entry.id == menus::kTrayMenuDefault) {
      return entry.text;
    }
  }
  return {};
}

}  // namespace

TrayPresence::TrayPresence(NotificationIcon& icon, std::unique_ptr<HotKeyWay> way,
                           std::function<void()> show, std::function<void()> openHotKeySettings)
    : m_icon(icon),
      m_configured(CombinationOfSettings(g_settings.hotkey, g_settings.hotkeyMask)),
      m_hotKey(std::move(way), m_configured) {
  m_hotKey.pressed = std::move(show);
  m_hotKey.changed = [this] { OnHotKeyChanged(); };
  m_hotKey.unavailable = [this, open = std::move(openHotKeySettings)](HotKeyAnswer answer) {
    const HotKeyCombination key = m_configured;
    m_icon.ShowBalloon(
        HotKeyUnavailableTitle(key.virtualKey, key.modFlags),
        [key, answer](TrayClick click) {
          return HotKeyUnavailableText(key.virtualKey, key.modFlags, answer, click);
        },
        open);
  };
  m_icon.SetShowEntryText(
      WithHotKeyShortcut(ShowEntryTableText(), m_configured.virtualKey, m_configured.modFlags));
}

void TrayPresence::Start() {
  if (g_settings.help_start == 0) {
    const HotKeyCombination key = m_configured;
    m_icon.ShowBalloon(
        texts::kBalloonTitle,
        [key](TrayClick click) { return GreetingText(key.virtualKey, key.modFlags, click); }, {});
    g_settings.help_start = 1;
  }
  m_hotKey.Start();
}

void TrayPresence::OnHotKeyChanged() {
  const HotKeyCombination inForce = m_hotKey.InForce();
  if (inForce != CombinationOfSettings(g_settings.hotkey, g_settings.hotkeyMask)) {
    g_settings.hotkey = inForce.virtualKey;
    g_settings.hotkeyMask = inForce.modFlags;
  }
  m_icon.SetShowEntryText(WithHotKeyShortcutName(ShowEntryTableText(), m_hotKey.InForceName()));
}
