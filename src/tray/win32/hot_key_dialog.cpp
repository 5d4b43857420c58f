#include "tray/win32/hot_key_dialog.h"

#include <commctrl.h>

#include "platform/windows/wide_text.h"
#include "resources/texts.h"
#include "resources/win32/resource_ids.h"
#include "tray/hot_key_texts.h"
#include "tray/win32/hot_key.h"

namespace {

void SetText(HWND dialog, int id, const std::string& text) {
  ::SetDlgItemTextW(dialog, id, WideFromUtf8(text).c_str());
}

}  // namespace

void HotKeyDialog::Run(HWND parent) {
  ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_HOTKEY_DIALOG), parent,
                    DialogProc, reinterpret_cast<LPARAM>(this));
  m_dialog = nullptr;
}

void HotKeyDialog::Init(HWND dialog) {
  m_dialog = dialog;
  ::SetWindowTextW(dialog, WideFromUtf8(texts::kHotKeyDialogTitle).c_str());
  SetText(dialog, IDC_HOTKEY_PROMPT, texts::kHotKeyDialogPrompt);
  SetText(dialog, IDC_HOTKEY_NONE, texts::kHotKeyNoneButton);
  SetText(dialog, IDOK, texts::kOkButton);
  SetText(dialog, IDCANCEL, texts::kCancelButton);
  HWND field = ::GetDlgItem(dialog, IDC_HOTKEY_FIELD);
  ::SetWindowSubclass(field, FieldProc, 0, reinterpret_cast<DWORD_PTR>(this));
  // The key in force and what became of it, until another is pressed.
  const HotKeyCombination inForce = m_keeper.InForce();
  Show(inForce, HotKeyVerdictText(inForce, true, m_keeper.InForceAnswer(),
                                  m_keeper.IsHeld() ? m_keeper.InForceName() : ""));
  ::SetFocus(field);
}

void HotKeyDialog::Show(const HotKeyCombination& combination, const std::string& verdict) {
  SetText(m_dialog, IDC_HOTKEY_FIELD, CombinationName(combination));
  SetText(m_dialog, IDC_HOTKEY_VERDICT, verdict);
}

void HotKeyDialog::Capture(const HotKeyCombination& combination) {
  if (m_dialog == nullptr) {
    return;
  }
  m_triedAny = true;
  Show(combination, HotKeyVerdictText(combination, false, {}, {}));
  ::EnableWindow(::GetDlgItem(m_dialog, IDOK), FALSE);
  m_keeper.Try(combination);
}

void HotKeyDialog::OnTried(const HotKeyCombination& tried, HotKeyAnswer answer,
                           const std::string& desktopName) {
  if (m_dialog == nullptr) {
    return;
  }
  SetText(m_dialog, IDC_HOTKEY_VERDICT, HotKeyVerdictText(tried, true, answer, desktopName));
  ::EnableWindow(::GetDlgItem(m_dialog, IDOK), answer == HotKeyAnswer::Held || tried.IsNone());
}

INT_PTR CALLBACK HotKeyDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    reinterpret_cast<HotKeyDialog*>(lParam)->Init(dialog);
    return FALSE;  // the focus is set
  }
  auto* self = reinterpret_cast<HotKeyDialog*>(::GetWindowLongPtrW(dialog, DWLP_USER));
  if (self == nullptr || message != WM_COMMAND) {
    return FALSE;
  }
  switch (LOWORD(wParam)) {
    case IDC_HOTKEY_NONE:
      self->Capture({});
      return TRUE;
    case IDOK:
      if (::IsWindowEnabled(::GetDlgItem(dialog, IDOK)) == FALSE) {
        return TRUE;  // Enter while the combination pressed is refused or not yet answered
      }
      if (self->m_triedAny) {
        self->m_keeper.Keep();
      }
      ::EndDialog(dialog, IDOK);
      return TRUE;
    case IDCANCEL:
      if (self->m_triedAny) {
        self->m_keeper.GoBack();
      }
      ::EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

// Every key pressed in the field is the combination's, except Tab, Enter and Esc alone,
// which stay the dialog's.
LRESULT CALLBACK HotKeyDialog::FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR /*id*/, DWORD_PTR self) {
  if (message == WM_GETDLGCODE) {
    return DLGC_WANTALLKEYS;
  }
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
    const int key = static_cast<int>(wParam);
    const int modFlags = HeldModFlags();
    HWND dialog = ::GetParent(field);
    if (modFlags == 0 && (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE)) {
      if (key == VK_TAB) {
        ::SetFocus(::GetNextDlgTabItem(dialog, field, FALSE));
      } else {
        ::SendMessageW(dialog, WM_COMMAND, key == VK_RETURN ? IDOK : IDCANCEL, 0);
      }
      return 0;
    }
    if (const auto combination = CombinationOfKeyPress(key, modFlags)) {
      reinterpret_cast<HotKeyDialog*>(self)->Capture(*combination);
    }
    return 0;
  }
  if (message == WM_CHAR || message == WM_SYSCHAR || message == WM_SYSKEYUP) {
    return 0;  // nothing typed, no menu for Alt
  }
  return ::DefSubclassProc(field, message, wParam, lParam);
}
