// The Windows program. Its files (setting.ini, items.vkd, dict\) live in the program's
// own folder, so the portable folder works wherever it is unpacked and however started.

#include <windows.h>

#include <string>

#include "app/win32/vostek_app.h"
#include "app/win32/win32_message_box.h"
#include "frame/win32/main_frame.h"
#include "platform/windows/wide_text.h"

namespace {

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/"));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring folder = ProgramFolder();
  ::SetCurrentDirectoryW(folder.c_str());  // the dictionary is looked for from here
  CvostekApp app(Utf8FromWide(folder));
  InstallWin32MessageBox(
      [&app] { return app.MainFrame() != nullptr ? app.MainFrame()->Handle() : nullptr; });
  if (!app.InitInstance()) {
    return app.ExitInstance();
  }
  return app.Run();
}
