// Saving a file on Windows: the bytes go to a new file beside the old one, are flushed
// to disk, and the new file takes the old one's name in one step.

#include "platform/windows/files/windows_files.h"

#include "platform/windows/system_error.h"
#include "platform/windows/wide_text.h"

namespace {

// Temporaries are "<name>.tmp-<pid>-<number>" beside the file they replace, as elsewhere.
constexpr wchar_t kTemporaryMark[] = L".tmp-";
constexpr int kNameAttempts = 100;

// A file that did not exist before: whatever sits at a name already is passed over.
HANDLE CreateTemporary(const std::wstring& path, std::wstring* temporary) {
  static unsigned long s_counter = 0;
  const std::wstring prefix =
      path + kTemporaryMark + std::to_wstring(::GetCurrentProcessId()) + L"-";
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    *temporary = prefix + std::to_wstring(s_counter++);
    HANDLE file = ::CreateFileW(temporary->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) {
      return file;
    }
  }
  return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  constexpr std::size_t kChunk = std::size_t{1} << 30;
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(bytes.size() < kChunk ? bytes.size() : kChunk);
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr)) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool Fail(const std::string& file, DWORD code, std::string* error) {
  if (error != nullptr) {
    *error = file + ": " + SystemErrorText(code);
  }
  return false;
}

std::string ContainingFolderOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string(".") : path.substr(0, separator);
}

// True for a name this writer gives the temporaries of a file named `base`.
bool IsTemporaryName(std::wstring_view name, std::wstring_view base) {
  const std::wstring mark = std::wstring(base) + kTemporaryMark;
  if (name.size() <= mark.size() || name.substr(0, mark.size()) != mark) {
    return false;
  }
  const std::wstring_view rest = name.substr(mark.size());
  const std::size_t dash = rest.find(L'-');
  if (dash == 0 || dash == std::wstring_view::npos || dash + 1 == rest.size()) {
    return false;
  }
  return rest.find_first_not_of(L"0123456789-") == std::wstring_view::npos &&
         rest.find(L'-', dash + 1) == std::wstring_view::npos;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  const std::wstring target = WideFromUtf8(path);
  std::wstring temporary;
  HANDLE file = CreateTemporary(target, &temporary);
  if (file == INVALID_HANDLE_VALUE) {
    return Fail(ContainingFolderOf(path), ::GetLastError(), error);
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
  return Fail(path, failure, error);
}

void RemoveStaleTemporaries(const std::string& path) {
  const std::wstring wide = WideFromUtf8(path);
  const std::size_t separator = wide.find_last_of(L"\\/");
  const std::wstring folder = separator == std::wstring::npos ? L"" : wide.substr(0, separator + 1);
  const std::wstring base = separator == std::wstring::npos ? wide : wide.substr(separator + 1);
  WIN32_FIND_DATAW found{};
  HANDLE search = ::FindFirstFileW((wide + kTemporaryMark + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    return;
  }
  do {
    const DWORD notPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    if ((found.dwFileAttributes & notPlain) == 0 && IsTemporaryName(found.cFileName, base)) {
      ::DeleteFileW((folder + found.cFileName).c_str());
    }
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
}
