#include "platform/windows/files/windows_files.h"

#include "platform/windows/system_error.h"
#include "platform/windows/wide_text.h"

namespace {

// The folder is held open without leave to delete it, so that while the program runs
// nothing can delete it or move it away: it always sits where it was found. The
// single-instance mutex already keeps a second program out.
class WindowsFolderHold : public FolderHold {
 public:
  WindowsFolderHold() = default;
  ~WindowsFolderHold() override { Release(); }
  WindowsFolderHold(const WindowsFolderHold&) = delete;
  WindowsFolderHold& operator=(const WindowsFolderHold&) = delete;

  Result Acquire(const std::string& folder) override {
    Release();
    m_folder = ::CreateFileW(WideFromUtf8(folder).c_str(), FILE_LIST_DIRECTORY,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    return m_folder != INVALID_HANDLE_VALUE ? Result::Acquired : Result::Unsupported;
  }
  bool IsAt(const std::string& folder) const override { return IsFolder(folder); }
  Result Reacquire(const std::string& folder) override { return Acquire(folder); }

 private:
  void Release() {
    if (m_folder != INVALID_HANDLE_VALUE) {
      ::CloseHandle(m_folder);
      m_folder = INVALID_HANDLE_VALUE;
    }
  }

  HANDLE m_folder = INVALID_HANDLE_VALUE;
};

}  // namespace

bool MakeFolders(const std::string& folder, std::string* error) {
  if (IsFolder(folder)) {
    return true;
  }
  const std::size_t separator = folder.find_last_of("\\/");
  if (separator != std::string::npos && separator > 0 && folder[separator - 1] != ':' &&
      !MakeFolders(folder.substr(0, separator), error)) {
    return false;
  }
  if (!::CreateDirectoryW(WideFromUtf8(folder).c_str(), nullptr) &&
      ::GetLastError() != ERROR_ALREADY_EXISTS) {
    *error = folder + ": " + SystemErrorText(::GetLastError());
    return false;
  }
  return true;
}

int WindowsFiles::OpenForReading(const std::string& path, std::size_t maxBytes,
                                 std::unique_ptr<FileReader>* reader) {
  auto stream = std::make_unique<WindowsFileStream>();
  if (const int failure = stream->Open(path, maxBytes); failure != 0) {
    return failure;
  }
  *reader = std::move(stream);
  return 0;
}

bool WindowsFiles::WriteAtomically(const std::string& path, std::string_view bytes,
                                   std::string* error) {
  return WriteFileAtomically(path, bytes, error);
}

void WindowsFiles::RemoveStaleTemporaries(const std::string& path) {
  ::RemoveStaleTemporaries(path);
}

int WindowsFiles::RenameToFreeName(const std::string& from, const std::string& to) {
  return ::RenameToFreeName(from, to);
}

bool WindowsFiles::NameIsTaken(const std::string& path) {
  return ::NameIsTaken(path);
}

bool WindowsFiles::IsFolder(const std::string& path) {
  return ::IsFolder(path);
}

std::string WindowsFiles::FinalLinkTarget(const std::string& path) {
  return path;
}

// No link is followed, so none dangles.
std::string WindowsFiles::DanglingLinkTarget(const std::string&) {
  return {};
}

bool WindowsFiles::MakeFolder(const std::string& folder, std::string* error) {
  return MakeFolders(folder, error);
}

std::unique_ptr<FolderHold> WindowsFiles::NewFolderHold() {
  return std::make_unique<WindowsFolderHold>();
}

Files& SystemFiles() {
  static WindowsFiles s_files;
  return s_files;
}
