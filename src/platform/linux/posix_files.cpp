#include "platform/linux/posix_files.h"

#include "platform/linux/atomic_file.h"
#include "platform/linux/file_kind.h"
#include "platform/linux/file_rename.h"
#include "platform/linux/file_stream.h"
#include "platform/linux/folder_lock.h"
#include "platform/linux/xdg_folders.h"

namespace {

class PosixFolderHold : public FolderHold {
 public:
  Result Acquire(const std::string& folder) override { return From(m_lock.Acquire(folder)); }
  bool IsAt(const std::string& folder) const override { return m_lock.IsAt(folder); }
  Result Reacquire(const std::string& folder) override { return From(m_lock.Reacquire(folder)); }

 private:
  static Result From(FolderLock::Result result) {
    switch (result) {
      case FolderLock::Result::Acquired:
        return Result::Acquired;
      case FolderLock::Result::HeldElsewhere:
        return Result::HeldElsewhere;
      case FolderLock::Result::Unsupported:
        break;
    }
    return Result::Unsupported;
  }

  FolderLock m_lock;
};

}  // namespace

int PosixFiles::OpenForReading(const std::string& path, std::size_t maxBytes,
                               std::unique_ptr<FileReader>* reader) {
  auto stream = std::make_unique<FileStream>();
  if (const int failure = stream->Open(path, maxBytes); failure != 0) {
    return failure;
  }
  *reader = std::move(stream);
  return 0;
}

bool PosixFiles::WriteAtomically(const std::string& path, std::string_view bytes,
                                 std::string* error) {
  return WriteFileAtomically(path, bytes, error);
}

void PosixFiles::RemoveStaleTemporaries(const std::string& path) {
  ::RemoveStaleTemporaries(path);
}

int PosixFiles::RenameToFreeName(const std::string& from, const std::string& to) {
  return ::RenameToFreeName(from, to);
}

bool PosixFiles::NameIsTaken(const std::string& path) {
  return ::NameIsTaken(path);
}

bool PosixFiles::IsFolder(const std::string& path) {
  return ::IsFolder(path);
}

std::string PosixFiles::FinalLinkTarget(const std::string& path) {
  return ::FinalLinkTarget(path);
}

std::string PosixFiles::DanglingLinkTarget(const std::string& path) {
  return ::DanglingLinkTarget(path);
}

bool PosixFiles::MakeFolder(const std::string& folder, std::string* error) {
  return MakePrivateFolder(folder, error);
}

std::unique_ptr<FolderHold> PosixFiles::NewFolderHold() {
  return std::make_unique<PosixFolderHold>();
}

Files& SystemFiles() {
  static PosixFiles s_files;
  return s_files;
}
