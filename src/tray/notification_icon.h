#pragma once

#include <functional>
#include <string>

#include "tray/hot_key_texts.h"

// The program's icon in the notification area, as the logic both front ends share sees
// it. The icon is there while the object lives; it opens the tray menu ("tasktray") and
// shows the window on the click its tray takes on its own.
class NotificationIcon {
 public:
  virtual ~NotificationIcon() = default;
  // Shows a balloon on the icon. Its text is made when it is shown, for the click that
  // shows the window on the tray in use. A click on the balloon itself runs `onClick`,
  // where one is given.
  virtual void ShowBalloon(const std::string& title,
                           std::function<std::string(TrayClick click)> text,
                           std::function<void()> onClick) = 0;
  // The text of the menu's entry that shows the window (it names the hot-key).
  virtual void SetShowEntryText(const std::string& text) = 0;
};
