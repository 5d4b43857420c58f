#pragma once

#include <map>
#include <mutex>
#include <set>
#include <string>

#include "store/files.h"

// Files held in memory, with the failures a test asks for. Paths are plain keys; a
// folder is a path in `folders`. Safe to use from the collection's loader thread.
class FakeFiles : public Files {
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

  // What a test sets up and looks at, under the lock.
  void Put(const std::string& path, const std::string& bytes);
  // Empty when nothing is there.
  std::string Content(const std::string& path);
  bool Exists(const std::string& path);
  // Opening `path` fails with `failure` (an errno value).
  void MakeUnreadable(const std::string& path, int failure);
  // Writes to `path` fail with `failure` until Mend.
  void BreakWrites(const std::string& path, int failure);
  void Mend();
  // The folder and everything in it go, as a user deleting it.
  void RemoveFolder(const std::string& folder);

 private:
  std::mutex m_mutex;
  std::map<std::string, std::string> m_files;
  std::set<std::string> m_folders;
  std::map<std::string, int> m_unreadable;
  std::map<std::string, int> m_brokenWrites;
};
