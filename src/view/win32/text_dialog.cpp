#include "view/win32/text_dialog.h"

#include "app/message_box.h"
#include "platform/windows/wide_text.h"
#include "resources/texts.h"
#include "resources/win32/resource_ids.h"
#include "view/group_name.h"

namespace {

INT_PTR CALLBACK TextDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      ::SetWindowTextW(dialog, WideFromUtf8(texts::kGroupNameDialogTitle).c_str());
      ::SetDlgItemTextW(dialog, IDOK, WideFromUtf8(texts::kOkButton).c_str());
      ::SetDlgItemTextW(dialog, IDCANCEL, WideFromUtf8(texts::kCancelButton).c_str());
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        HWND edit = ::GetDlgItem(dialog, IDC_TEXT_EDIT);
        std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(edit)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            ::GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
        const std::string name = TrimGroupName(Utf8FromWide(text));
        if (IsGroupNameRefused(name)) {
          ShowMessageBox(texts::kEnterName);
          ::SetFocus(edit);
          return TRUE;
        }
        *reinterpret_cast<std::string*>(::GetWindowLongPtrW(dialog, DWLP_USER)) = name;
        ::EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

std::optional<std::string> RunTextDialog(HWND parent) {
  std::string name;
  const INT_PTR result =
      ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TEXT_DIALOG), parent,
                        TextDialogProc, reinterpret_cast<LPARAM>(&name));
  if (result != IDOK) {
    return std::nullopt;
  }
  return name;
}
