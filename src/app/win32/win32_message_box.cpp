#include "app/win32/win32_message_box.h"

#include "app/message_box.h"
#include "platform/windows/wide_text.h"
#include "resources/texts.h"

void InstallWin32MessageBox(std::function<HWND()> owner) {
  SetMessageBoxHandler([owner = std::move(owner)](const std::string& text, MessageButtons buttons,
                                                  MessageIcon icon) {
    UINT style = buttons == MessageButtons::OkCancel      ? MB_OKCANCEL
                 : buttons == MessageButtons::RetryCancel ? MB_RETRYCANCEL
                                                          : MB_OK;
    if (icon == MessageIcon::Warning) {
      style |= MB_ICONEXCLAMATION;
    }
    HWND parent = owner();
    if (parent != nullptr && !::IsWindowVisible(parent)) {
      parent = nullptr;
    }
    return ::MessageBoxW(parent, WideFromUtf8(text).c_str(), WideFromUtf8(texts::kAppTitle).c_str(),
                         style) == (buttons == MessageButtons::RetryCancel ? IDRETRY : IDOK);
  });
}
