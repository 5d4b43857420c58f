#pragma once

#include <windows.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "store/files.h"

// The program's files on Windows: UTF-8 names, the same refusals and the same safe-save
// rules as on other systems. Links are rare on Windows and need privileges to make, so
// the file at a path is the one read and replaced.

// A regular file read front to back in pieces, through its handle.
class WindowsFileStream : public FileReader {
 public:
  WindowsFileStream() = default;
  ~WindowsFileStream() override;
  WindowsFileStream(const WindowsFileStream&) = delete;
  WindowsFileStream& operator=(const WindowsFileStream&) = delete;

  // Returns 0, or an errno value; refuses what Files::OpenForReading refuses.
  int Open(const std::string& path, std::size_t maxBytes = std::numeric_limits<std::size_t>::max());
  std::uint64_t Size() const override { return m_size; }
  int Read(char* into, std::size_t size, std::size_t* got) override;

 private:
  HANDLE m_file = INVALID_HANDLE_VALUE;
  std::uint64_t m_size = 0;
};

// Files::WriteAtomically, RemoveStaleTemporaries, RenameToFreeName, NameIsTaken and
// IsFolder, the Windows way.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error);
void RemoveStaleTemporaries(const std::string& path);
int RenameToFreeName(const std::string& from, const std::string& to);
bool NameIsTaken(const std::string& path);
bool IsFolder(const std::string& path);
// Makes `folder` and every missing parent; new folders take their parent's permissions.
bool MakeFolders(const std::string& folder, std::string* error);

class WindowsFiles : public Files {
 public:
  int OpenForReading(const std::string& path, std::size_t maxBytes,
                     std::unique_ptr<FileReader>* reader) override;
  bool WriteAtomically(const std::string& path, std::string_view bytes,
                       std::string* error) override;
  void RemoveStaleTemporaries(const std::string& path) override;
  int RenameToFreeName(const std::string& from, const std::string& to) override;
  bool NameIsTaken(const std::string& path) override;
  bool IsFolder(const std::string& path) override;
  std::string FinalLinkTarget(const std::string& path) override;
  std::string DanglingLinkTarget(const std::string& path) override;
  bool MakeFolder(const std::string& folder, std::string* error) override;
  std::unique_ptr<FolderHold> NewFolderHold() override;
};
