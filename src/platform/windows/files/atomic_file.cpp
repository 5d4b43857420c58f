// Saving a file on Windows: the bytes go to a new file beside the old one, are flushed
// to disk, and the new file takes the old one's name in one step.

#include "store/atomic_file.h"

#include <windows.h>

#include "platform/windows/system_error.h"
#include "platform/windows/wide_text.h"

namespace {

// A name of our own beside `path`: created new, so it never opens someone else's file.
HANDLE CreateTemporaryBeside(const std::wstring& path, std::wstring* temporary) {
  for (unsigned attempt = 0;; ++attempt) {
    *temporary = path + L"." + std::to_wstring(::GetCurrentProcessId()) + L"." +
                 std::to_wstring(attempt) + L".tmp";
    HANDLE file = ::CreateFileW(temporary->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS || attempt >= 99) {
      return file;
    }
  }
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr)) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool Fail(DWORD code, std::string* error) {
  if (error != nullptr) {
    *error = SystemErrorText(code);
  }
  return false;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  const std::wstring target = WideFromUtf8(path);
  std::wstring temporary;
  HANDLE file = CreateTemporaryBeside(target, &temporary);
  if (file == INVALID_HANDLE_VALUE) {
    return Fail(::GetLastError(), error);
  }
  DWORD failure = 0;
  if (!WriteAll(file, bytes) || !::FlushFileBuffers(file)) {
    failure = ::GetLastError();
  }
  if (!::CloseHandle(file) && failure == 0) {
    failure = ::GetLastError();
  }
  if (failure == 0 && !::MoveFileExW(temporary.c_str(), target.c_str(),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    failure = ::GetLastError();
  }
  if (failure == 0) {
    return true;
  }
  ::DeleteFileW(temporary.c_str());
  return Fail(failure, error);
}
