#include "frame/win32/win32_toolbar.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/windows/wide_text.h"
#include "resources/command_strings.h"
#include "resources/toolbar.h"
#include "resources/win32/resource_ids.h"

namespace {

constexpr UINT kToolbarId = 0xE800;  // the frame's toolbar child id

}  // namespace

Win32Toolbar::~Win32Toolbar() {
  if (m_images != nullptr) {
    ::ImageList_Destroy(m_images);
  }
}

bool Win32Toolbar::Create(HWND frame) {
  m_toolbar = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP,
                                0, 0, 0, 0, frame, reinterpret_cast<HMENU>(kToolbarId),
                                ::GetModuleHandleW(nullptr), nullptr);
  if (m_toolbar == nullptr) {
    return false;
  }
  HBITMAP bitmap = static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                     MAKEINTRESOURCEW(IDR_MAINFRAME_RESOURCE),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (bitmap == nullptr) {
    return false;
  }
  m_images = ::ImageList_Create(16, 15, ILC_COLOR24 | ILC_MASK, 6, 0);
  ::ImageList_AddMasked(m_images, bitmap, RGB(255, 0, 255));
  ::DeleteObject(bitmap);
  ::SendMessageW(m_toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  ::SendMessageW(m_toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images));
  std::vector<TBBUTTON> buttons;
  int image = 0;
  for (const ToolbarButton& button : toolbar::kMainToolbar) {
    TBBUTTON added{};
    if (button.id == 0) {
      added.fsStyle = BTNS_SEP;
    } else {
      added.iBitmap = image++;
      added.idCommand = button.id;
      added.fsState = TBSTATE_ENABLED;
      added.fsStyle = BTNS_BUTTON;
    }
    buttons.push_back(added);
  }
  ::SendMessageW(m_toolbar, TB_ADDBUTTONSW, buttons.size(),
                 reinterpret_cast<LPARAM>(buttons.data()));
  ::SendMessageW(m_toolbar, TB_AUTOSIZE, 0, 0);
  return true;
}

void Win32Toolbar::Show(bool shown) {
  ::ShowWindow(m_toolbar, shown ? SW_SHOWNA : SW_HIDE);
}

bool Win32Toolbar::IsShown() const {
  return (::GetWindowLongPtrW(m_toolbar, GWL_STYLE) & WS_VISIBLE) != 0;
}

int Win32Toolbar::Height() const {
  if (!IsShown()) {
    return 0;
  }
  RECT rect{};
  ::GetWindowRect(m_toolbar, &rect);
  return rect.bottom - rect.top;
}

void Win32Toolbar::Update(const std::function<bool(int id)>& isEnabled) {
  for (const ToolbarButton& button : toolbar::kMainToolbar) {
    if (button.id == 0) {
      continue;
    }
    const bool enabled = isEnabled(button.id);
    const bool shown = ::SendMessageW(m_toolbar, TB_ISBUTTONENABLED, button.id, 0) != 0;
    if (enabled != shown) {
      ::SendMessageW(m_toolbar, TB_ENABLEBUTTON, button.id, MAKELPARAM(enabled ? TRUE : FALSE, 0));
    }
  }
}

bool Win32Toolbar::OnNotify(NMHDR* header) {
  if (header->code != TTN_GETDISPINFOW) {
    return false;
  }
  auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
  m_tooltip = WideFromUtf8(command_strings::Tooltip(static_cast<int>(header->idFrom)));
  info->lpszText = m_tooltip.data();
  return true;
}
