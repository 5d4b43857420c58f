// What sits at a path, on Windows.

#include "platform/windows/files/windows_files.h"

#include "platform/windows/wide_text.h"

namespace {

DWORD Attributes(const std::string& path) {
  return ::GetFileAttributesW(WideFromUtf8(path).c_str());
}

}  // namespace

bool NameIsTaken(const std::string& path) {
  if (Attributes(path) != INVALID_FILE_ATTRIBUTES) {
    return true;
  }
  const DWORD error = ::GetLastError();
  return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
