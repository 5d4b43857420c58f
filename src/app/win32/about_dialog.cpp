#include "app/win32/about_dialog.h"

#include "platform/windows/wide_text.h"
#include "resources/texts.h"
#include "resources/win32/resource_ids.h"
#include "store/fill_text.h"

namespace {

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      ::SetDlgItemTextW(
          dialog, IDC_ABOUT_VERSION,
          WideFromUtf8(FillText(texts::kAboutVersionFormat, VOSTEK_VERSION, "")).c_str());
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void RunAboutDialog(HWND owner) {
  ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT_DIALOG), owner,
                    AboutDialogProc, 0);
}
