#include "platform/windows/shell_launch.h"

#include <windows.h>

#include <shellapi.h>
#include <shlwapi.h>

#include "platform/windows/system_error.h"
#include "platform/windows/wide_text.h"

namespace {

bool Execute(SHELLEXECUTEINFOW& info, std::string* error) {
  info.cbSize = sizeof info;
  info.fMask |= SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  info.nShow = SW_SHOWDEFAULT;
  if (::ShellExecuteExW(&info)) {
    return true;
  }
  *error = SystemErrorText(::GetLastError());
  return false;
}

}  // namespace

bool OpenIdList(const IdList* list, std::string* error) {
  if (list == nullptr) {  // an unreadable shortcut: nothing the shell could open
    *error = SystemErrorText(ERROR_FILE_NOT_FOUND);
    return false;
  }
  SHELLEXECUTEINFOW info{};
  info.fMask = SEE_MASK_INVOKEIDLIST;
  info.lpIDList = const_cast<IdList*>(list);
  return Execute(info, error);
}

bool OpenFolderPath(const std::string& folder, std::string* error) {
  const std::wstring wide = WideFromUtf8(folder);
  SHELLEXECUTEINFOW info{};
  info.lpFile = wide.c_str();
  return Execute(info, error);
}

std::string ContainingFolderPath(const std::string& path) {
  std::wstring wide = WideFromUtf8(path);
  wide.push_back(L'\0');
  ::PathRemoveFileSpecW(wide.data());
  return Utf8FromWide(wide.c_str());
}
