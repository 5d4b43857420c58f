#pragma once

#include "store/files.h"

// The program's files on a POSIX system: links followed as a user expects, saves made
// durable with fsync, the folder held with a lock that also claims its path.
class PosixFiles : public Files {
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
