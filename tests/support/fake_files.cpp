#include "support/fake_files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace {

class FakeReader : public FileReader {
 public:
  explicit FakeReader(std::string bytes) : m_bytes(std::move(bytes)) {}
  std::uint64_t Size() const override { return m_bytes.size(); }
  int Read(char* into, std::size_t size, std::size_t* got) override {
    *got = std::min(size, m_bytes.size() - m_at);
    std::memcpy(into, m_bytes.data() + m_at, *got);
    m_at += *got;
    return 0;
  }

 private:
  std::string m_bytes;
  std::size_t m_at = 0;
};

// Held while its folder stands; another holder is never there in one process.
class FakeFolderHold : public FolderHold {
 public:
  explicit FakeFolderHold(FakeFiles& files) : m_files(files) {}
  Result Acquire(const std::string&) override { return Result::Acquired; }
  bool IsAt(const std::string& folder) const override { return m_files.IsFolder(folder); }
  Result Reacquire(const std::string&) override { return Result::Acquired; }

 private:
  FakeFiles& m_files;
};

}  // namespace

int FakeFiles::OpenForReading(const std::string& path, std::size_t maxBytes,
                              std::unique_ptr<FileReader>* reader) {
  std::lock_guard lock(m_mutex);
  if (const auto failure = m_unreadable.find(path); failure != m_unreadable.end()) {
    return failure->second;
  }
  if (m_folders.count(path) != 0) {
    return EISDIR;
  }
  const auto file = m_files.find(path);
  if (file == m_files.end()) {
    return ENOENT;
  }
  if (file->second.size() > maxBytes) {
    return EFBIG;
  }
  *reader = std::make_unique<FakeReader>(file->second);
  return 0;
}

bool FakeFiles::WriteAtomically(const std::string& path, std::string_view bytes,
                                std::string* error) {
  std::lock_guard lock(m_mutex);
  int failure = 0;
  if (const auto broken = m_brokenWrites.find(path); broken != m_brokenWrites.end()) {
    failure = broken->second;
  } else if (m_folders.count(path) != 0) {
    failure = EISDIR;
  } else if (const std::size_t slash = path.rfind('/');
             slash != std::string::npos && m_folders.count(path.substr(0, slash)) == 0) {
    failure = ENOENT;
  }
  if (failure != 0) {
    *error = path + ": " + std::strerror(failure);
    return false;
  }
  m_files[path] = bytes;
  return true;
}

void FakeFiles::RemoveStaleTemporaries(const std::string&) {}

int FakeFiles::RenameToFreeName(const std::string& from, const std::string& to) {
  std::lock_guard lock(m_mutex);
  if (m_files.count(to) != 0 || m_folders.count(to) != 0) {
    return EEXIST;
  }
  const auto file = m_files.find(from);
  if (file == m_files.end()) {
    return ENOENT;
  }
  m_files[to] = std::move(file->second);
  m_files.erase(from);
  return 0;
}

bool FakeFiles::NameIsTaken(const std::string& path) {
  std::lock_guard lock(m_mutex);
  return m_files.count(path) != 0 || m_folders.count(path) != 0 || m_unreadable.count(path) != 0;
}

bool FakeFiles::IsFolder(const std::string& path) {
  std::lock_guard lock(m_mutex);
  return m_folders.count(path) != 0;
}

std::string FakeFiles::FinalLinkTarget(const std::string& path) {
  return path;
}

std::string FakeFiles::DanglingLinkTarget(const std::string&) {
  return {};
}

bool FakeFiles::MakeFolder(const std::string& folder, std::string*) {
  std::lock_guard lock(m_mutex);
  m_folders.insert(folder);
  return true;
}

std::unique_ptr<FolderHold> FakeFiles::NewFolderHold() {
  return std::make_unique<FakeFolderHold>(*this);
}

void FakeFiles::Put(const std::string& path, const std::string& bytes) {
  std::lock_guard lock(m_mutex);
  m_files[path] = bytes;
}

std::string FakeFiles::Content(const std::string& path) {
  std::lock_guard lock(m_mutex);
  const auto file = m_files.find(path);
  return file == m_files.end() ? std::string() : file->second;
}

bool FakeFiles::Exists(const std::string& path) {
  std::lock_guard lock(m_mutex);
  return m_files.count(path) != 0;
}

void FakeFiles::MakeUnreadable(const std::string& path, int failure) {
  std::lock_guard lock(m_mutex);
  m_unreadable[path] = failure;
}

void FakeFiles::BreakWrites(const std::string& path, int failure) {
  std::lock_guard lock(m_mutex);
  m_brokenWrites[path] = failure;
}

void FakeFiles::Mend() {
  std::lock_guard lock(m_mutex);
  m_brokenWrites.clear();
}

void FakeFiles::RemoveFolder(const std::string& folder) {
  std::lock_guard lock(m_mutex);
  m_folders.erase(folder);
  std::erase_if(m_files, [&](const auto& file) { return file.first.rfind(folder + "/", 0) == 0; });
}
