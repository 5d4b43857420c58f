#include "platform/windows/files/windows_files.h"

#include "platform/windows/system_error.h"
#include "platform/windows/wide_text.h"

int RenameToFreeName(const std::string& from, const std::string& to) {
  // Without MOVEFILE_REPLACE_EXISTING the move itself refuses a taken name.
  if (::MoveFileExW(WideFromUtf8(from).c_str(), WideFromUtf8(to).c_str(), 0)) {
    return 0;
  }
  return ErrnoFromSystemError(::GetLastError());
}
