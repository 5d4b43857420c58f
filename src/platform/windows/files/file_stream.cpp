// Reading a file in pieces on Windows, with the same refusals as elsewhere: folders,
// devices and pipes, and files beyond the size cap.

#include "platform/windows/files/windows_files.h"

#include <algorithm>
#include <cerrno>

#include "platform/windows/system_error.h"
#include "platform/windows/wide_text.h"

WindowsFileStream::~WindowsFileStream() {
  if (m_file != INVALID_HANDLE_VALUE) {
    ::CloseHandle(m_file);
  }
}

int WindowsFileStream::Open(const std::string& path, std::size_t maxBytes) {
  // Backup semantics let a folder open, so that it is told apart from a missing file.
  HANDLE file = ::CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return ErrnoFromSystemError(::GetLastError());
  }
  int failure = 0;
  BY_HANDLE_FILE_INFORMATION info{};
  std::uint64_t size = 0;
  if (::GetFileType(file) != FILE_TYPE_DISK) {
    failure = EINVAL;
  } else if (!::GetFileInformationByHandle(file, &info)) {
    failure = ErrnoFromSystemError(::GetLastError());
  } else if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    failure = EISDIR;
  } else {
    size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size > maxBytes) {
      failure = EFBIG;
    }
  }
  if (failure != 0) {
    ::CloseHandle(file);
    return failure;
  }
  m_file = file;
  m_size = size;
  return 0;
}

int WindowsFileStream::Read(char* into, std::size_t size, std::size_t* got) {
  DWORD read = 0;
  const auto asked = static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD));
  if (!::ReadFile(m_file, into, asked, &read, nullptr)) {
    *got = 0;
    return ErrnoFromSystemError(::GetLastError());
  }
  *got = read;
  return 0;
}
