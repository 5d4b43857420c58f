// Reading a whole file on Windows, with the same refusals as elsewhere: folders,
// devices and pipes, and files beyond the size cap.

#include "store/whole_file.h"

#include <windows.h>

#include <cerrno>
#include <cstdint>

#include "platform/windows/system_error.h"
#include "platform/windows/wide_text.h"

int ReadWholeFile(const std::string& path, std::string* bytes, std::size_t maxBytes) {
  // Backup semantics let a folder open, so that it is told apart from a missing file.
  HANDLE file = ::CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return ErrnoFromSystemError(::GetLastError());
  }
  int failure = 0;
  BY_HANDLE_FILE_INFORMATION info{};
  if (::GetFileType(file) != FILE_TYPE_DISK) {
    failure = EINVAL;
  } else if (!::GetFileInformationByHandle(file, &info)) {
    failure = ErrnoFromSystemError(::GetLastError());
  } else if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    failure = EISDIR;
  } else if (((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow) >
             maxBytes) {
    failure = EFBIG;
  }
  if (failure == 0) {
    bytes->clear();
    char buffer[65536];
    for (;;) {
      DWORD got = 0;
      if (!::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
        failure = ErrnoFromSystemError(::GetLastError());
        break;
      }
      if (got == 0) {
        break;
      }
      bytes->append(buffer, got);
      if (bytes->size() > maxBytes) {  // grew while being read
        failure = EFBIG;
        break;
      }
    }
  }
  ::CloseHandle(file);
  return failure;
}
